#include "destination/allocation_unit.h"

AllocationUnit allocationUnit;

void UpdateAllocationUnit(AllocationUnit& unit, uint32_t bytesPerSector) {
  if (bytesPerSector == 0) return;
  int32_t shifts = 0;
  for (uint32_t rest = bytesPerSector; rest != 0; rest >>= 1) ++shifts;
  unit.exponent = shifts - 1;
}

int32_t RoundUpToAllocationUnit(const AllocationUnit& unit, int32_t size) {
  const uint32_t unitBytes = uint32_t{1} << unit.exponent;
  return static_cast<int32_t>((unitBytes + static_cast<uint32_t>(size) - 1) & ~(unitBytes - 1));
}
