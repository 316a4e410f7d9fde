// The disk space that the chosen files need.
#ifndef TARN_DESTINATION_REQUIRED_SIZE_H
#define TARN_DESTINATION_REQUIRED_SIZE_H

#include <cstdint>

#include "core/catalogue_rows.h"
#include "destination/allocation_unit.h"

// Installed sizes, each rounded up to the allocation unit, of the file rows of a component
// (ALL_COMPONENTS for every row); unselected rows count only when includeUnselected is set.
// Compressed sizes and resource chunks play no part. A null table needs nothing.
int32_t RequiredSize(const FileEntry* files, const AllocationUnit& unit, int32_t componentKey,
                     int includeUnselected);

#endif
