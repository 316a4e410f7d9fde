// Selecting the rows of one component, or of all, in any catalogue table.
#ifndef TARN_DESTINATION_ROW_SELECTION_H
#define TARN_DESTINATION_ROW_SELECTION_H

#include <cstdint>

#include "core/catalogue_rows.h"
#include "core/table_rows.h"

// As a component key argument: every row, whatever its key.
constexpr int32_t ALL_COMPONENTS = 0;

template <typename Row>
bool RowBelongsTo(const Row& row, int32_t componentKey) {
  return componentKey == ALL_COMPONENTS || row.componentKey == componentKey;
}

// Sets selected in every matching row up to the terminating row, which keeps its value
// (in the group items it carries the group's name). A null table is skipped.
template <typename Row>
void SelectRows(Row* table, int32_t componentKey, int32_t value) {
  for (Row& row : TableRows<Row>(table))
    if (RowBelongsTo(row, componentKey)) row.selected = value;
}

#endif
