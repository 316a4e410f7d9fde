// The unit in which the disk hands out space: the required size is counted in whole units.
#ifndef TARN_DESTINATION_ALLOCATION_UNIT_H
#define TARN_DESTINATION_ALLOCATION_UNIT_H

#include <cstdint>

// 512 bytes until the first free-space query.
constexpr int32_t DEFAULT_ALLOCATION_EXPONENT = 9;

struct AllocationUnit {
  int32_t exponent = DEFAULT_ALLOCATION_EXPONENT; // the unit is 2 to this power
};

// The unit of the drive queried last.
extern AllocationUnit allocationUnit;

// Takes the highest set bit of the drive's bytes per sector, so a count that is not a power of
// two is rounded down to one; 0 leaves the unit as it is. The cluster size plays no part.
void UpdateAllocationUnit(AllocationUnit& unit, uint32_t bytesPerSector);

// The size rounded up to whole units, in 32-bit arithmetic; 0 stays 0.
int32_t RoundUpToAllocationUnit(const AllocationUnit& unit, int32_t size);

#endif
