#include "core/file_rules.h"

#include <gtest/gtest.h>

namespace {

int32_t ExponentAfter(uint32_t bytesPerSector) {
  AllocationUnit unit;
  UpdateAllocationUnit(unit, bytesPerSector);
  return unit.exponent;
}

TEST(AllocationUnit, TakesTheHighestSetBitOfTheSectorSize) {
  EXPECT_EQ(ExponentAfter(512), 9);
  EXPECT_EQ(ExponentAfter(2048), 11);
  EXPECT_EQ(ExponentAfter(600), 9);
  EXPECT_EQ(ExponentAfter(1), 0);
  EXPECT_EQ(ExponentAfter(0x80000000u), 31);
}

TEST(AllocationUnit, ZeroSectorSizeKeepsThePreviousUnit) {
  AllocationUnit unit;
  UpdateAllocationUnit(unit, 2048);
  UpdateAllocationUnit(unit, 0);
  EXPECT_EQ(unit.exponent, 11);
}

TEST(AllocationUnit, RoundsUpToWholeUnits) {
  const AllocationUnit unit; // 512 bytes before any query
  EXPECT_EQ(RoundUpToAllocationUnit(unit, 0), 0);
  EXPECT_EQ(RoundUpToAllocationUnit(unit, 1), 512);
  EXPECT_EQ(RoundUpToAllocationUnit(unit, 512), 512);
  EXPECT_EQ(RoundUpToAllocationUnit(unit, 513), 1024);
}

TEST(AllocationUnit, LargerSectorsCountASmallFileAsOneWholeSector) {
  AllocationUnit unit;
  UpdateAllocationUnit(unit, 2048);
  EXPECT_EQ(RoundUpToAllocationUnit(unit, 100), 2048);
}

} // namespace
