// The rows of a catalogue table, up to the row whose component key ends it, for a range-for:
//   for (FileEntry& row : TableRows(catalogue.files)) ...
// A null table has no rows.
#ifndef TARN_CORE_TABLE_ROWS_H
#define TARN_CORE_TABLE_ROWS_H

#include "core/catalogue_rows.h"

template <typename Row>
class TableRows {
public:
  struct End {};

  class Iterator {
  public:
    explicit Iterator(Row* row) : row_(row) {}
    Row& operator*() const { return *row_; }
    Iterator& operator++() {
      ++row_;
      return *this;
    }
    bool operator!=(End) const { return row_ != nullptr && row_->componentKey != COMPONENT_END; }

  private:
    Row* row_;
  };

  explicit TableRows(Row* table) : table_(table) {}
  Iterator begin() const { return Iterator(table_); }
  End end() const { return {}; }

private:
  Row* table_;
};

// The row that ends a non-null table; in the group items it carries the group's name.
template <typename Row>
Row* EndRow(Row* table) {
  while (table->componentKey != COMPONENT_END) ++table;
  return table;
}

#endif
