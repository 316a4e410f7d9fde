#include "destination/directories.h"

#include <gtest/gtest.h>

#include "core/file_rules.h"
#include "core/install_state.h"
#include "destination/disk_space.h"

// The test runs with drive E: a tmpfs of 2 MiB, which the system reports as 512-byte sectors,
// 8 to a cluster.
namespace {

class FreeSpaceQuery : public ::testing::Test {
protected:
  void SetUp() override { installState.sectorSize.exponent = 3; }
};

TEST_F(FreeSpaceQuery, ReportsTheFreeBytesAndTakesTheSectorSize) {
  const int32_t freeSpace = QueryFreeSpace('E');
  EXPECT_GT(freeSpace, 1879040);
  EXPECT_LE(freeSpace, 2097152);
  EXPECT_EQ(installState.sectorSize.exponent, 9);
}

TEST_F(FreeSpaceQuery, TheLetterMayBeLowerCase) { EXPECT_EQ(QueryFreeSpace('e'), QueryFreeSpace('E')); }

TEST_F(FreeSpaceQuery, AMissingDriveIsNotAvailableAndKeepsTheUnit) {
  EXPECT_EQ(QueryFreeSpace('Q'), FREE_SPACE_NOT_AVAILABLE);
  EXPECT_EQ(QueryFreeSpace('"'), FREE_SPACE_NOT_AVAILABLE);
  EXPECT_EQ(installState.sectorSize.exponent, 3);
}

TEST_F(FreeSpaceQuery, TheSystemDriveAnswers) {
  const int32_t freeSpace = QueryFreeSpace('C');
  EXPECT_TRUE(freeSpace == FREE_SPACE_AT_LEAST_2_GIB || freeSpace >= 0) << freeSpace;
  EXPECT_NE(installState.sectorSize.exponent, 3);
}

} // namespace
