#include "destination/required_size.h"

#include "core/table_rows.h"
#include "destination/row_selection.h"

int32_t RequiredSize(const FileEntry* files, const AllocationUnit& unit, int32_t componentKey,
                     int includeUnselected) {
  uint32_t sum = 0; // wraps rather than overflows; 2 GiB of payload is beyond this design
  for (const FileEntry& row : TableRows(files)) {
    if (!RowBelongsTo(row, componentKey)) continue;
    if (includeUnselected || row.selected != ROW_NOT_SELECTED)
      sum += static_cast<uint32_t>(RoundUpToAllocationUnit(unit, row.size));
  }
  return static_cast<int32_t>(sum);
}
