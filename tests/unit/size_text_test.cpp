#include <gtest/gtest.h>

#include <string>

#include "destination/disk_space.h"

namespace {

std::string Megabytes(uint32_t bytes) {
  char text[SIZE_TEXT_CAPACITY];
  FormatMegabytes(text, sizeof text, bytes);
  return text;
}

std::string Available(int32_t freeSpace) {
  char text[SIZE_TEXT_CAPACITY];
  FormatAvailableSize(text, sizeof text, freeSpace);
  return text;
}

TEST(MegabyteText, RoundsTenthsToNearestWithHalvesUp) {
  EXPECT_EQ(Megabytes(0), "0.0 MB");
  EXPECT_EQ(Megabytes(52428), "0.0 MB");
  EXPECT_EQ(Megabytes(52429), "0.1 MB");
  EXPECT_EQ(Megabytes(1879040), "1.8 MB");
  EXPECT_EQ(Megabytes(1048575), "1.0 MB");
  EXPECT_EQ(Megabytes(2097152), "2.0 MB");
}

TEST(MegabyteText, CarriesIntoWholeMegabytesAtTheTop) {
  EXPECT_EQ(Megabytes(2147483647), "2048.0 MB");
  EXPECT_EQ(Megabytes(0xFFFFFFFFu), "4096.0 MB");
}

TEST(MegabyteText, IsCutToTheBuffer) {
  char text[4] = {'x', 'x', 'x', 'x'};
  FormatMegabytes(text, sizeof text, 2147483647);
  EXPECT_STREQ(text, "204");
}

TEST(MegabyteText, AvailableSizeNamesTheSpecialResults) {
  EXPECT_EQ(Available(FREE_SPACE_NOT_AVAILABLE), "n/a");
  EXPECT_EQ(Available(FREE_SPACE_AT_LEAST_2_GIB), "> 2 GB");
  EXPECT_EQ(Available(2147483647), "2048.0 MB");
}

TEST(FreeSpace, MultipliesTheGeometryUpToTwoGibibytes) {
  EXPECT_EQ(FreeSpaceFromGeometry(8, 512, 512), 2097152);     // a 2 MiB tmpfs
  EXPECT_EQ(FreeSpaceFromGeometry(1, 1, 2147483647), 2147483647);
  EXPECT_EQ(FreeSpaceFromGeometry(8, 512, 524288), FREE_SPACE_AT_LEAST_2_GIB);
  EXPECT_EQ(FreeSpaceFromGeometry(8, 512, 0), 0);
}

TEST(FreeSpace, HugeGeometryCannotWrapAround) {
  EXPECT_EQ(FreeSpaceFromGeometry(0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu), FREE_SPACE_AT_LEAST_2_GIB);
  EXPECT_EQ(FreeSpaceFromGeometry(0x10000u, 0x10000u, 0x10000u), FREE_SPACE_AT_LEAST_2_GIB);
}

TEST(FreeSpace, NextNeedsStrictlyMoreThanRequired) {
  EXPECT_TRUE(SpaceAllowsNext(1879040, 1879041));
  EXPECT_FALSE(SpaceAllowsNext(1879040, 1879040));
  EXPECT_FALSE(SpaceAllowsNext(1879040, FREE_SPACE_NOT_AVAILABLE));
  EXPECT_TRUE(SpaceAllowsNext(1879040, FREE_SPACE_AT_LEAST_2_GIB));
  EXPECT_FALSE(SpaceAllowsNext(0, FREE_SPACE_NOT_AVAILABLE));
}

} // namespace
