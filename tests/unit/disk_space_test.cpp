#include "destination/disk_space.h"

#include <gtest/gtest.h>

#include <string>

#include "core/catalogue.h"
#include "wizard/product.h"

namespace {

// Works on the product's own file table, restoring its compiled selection afterwards.
class ProductRequiredSize : public ::testing::Test {
protected:
  void TearDown() override { SelectRows(productFiles, ALL_COMPONENTS, ROW_NOT_SELECTED); }
  const SectorSize sectors512{};
};

TEST_F(ProductRequiredSize, CountsSelectedRowsInWholeUnits) {
  SelectRows(productFiles, COMPONENT_PROGRAM, ROW_SELECTED);
  EXPECT_EQ(RequiredSize(productFiles, sectors512, ALL_COMPONENTS, 0), 1879040);
}

TEST_F(ProductRequiredSize, UnselectedRowsCountOnlyWhenAskedFor) {
  EXPECT_EQ(RequiredSize(productFiles, sectors512, ALL_COMPONENTS, 0), 0);
  EXPECT_EQ(RequiredSize(productFiles, sectors512, ALL_COMPONENTS, 1), 1879040);
}

TEST_F(ProductRequiredSize, ACopyInProgressStillCounts) {
  SelectRows(productFiles, COMPONENT_PROGRAM, ROW_COPY_BEGUN);
  EXPECT_EQ(RequiredSize(productFiles, sectors512, ALL_COMPONENTS, 0), 1879040);
}

TEST_F(ProductRequiredSize, OneByteUnitGivesThePlainSizes) {
  SectorSize bytes;
  UpdateSectorSize(bytes, 1);
  EXPECT_EQ(RequiredSize(productFiles, bytes, ALL_COMPONENTS, 1), 1877529);
}

TEST_F(ProductRequiredSize, TheDatabaseComponentHasNoFiles) {
  SelectRows(productFiles, ALL_COMPONENTS, ROW_SELECTED);
  EXPECT_EQ(RequiredSize(productFiles, sectors512, COMPONENT_DATABASE, 0), 0);
  EXPECT_EQ(RequiredSize(productFiles, sectors512, COMPONENT_PROGRAM, 0), 1879040);
}

TEST(RequiredSize, OnlyTheRowsOfTheAskedComponentCount) {
  FileEntry files[3] = {};
  files[0] = FileEntry{COMPONENT_PROGRAM, "a", 100, 0, 0, 0, 0, 1, 0, 0, 0, 0, {}, ROW_SELECTED};
  files[1] = FileEntry{COMPONENT_DATABASE, "b", 3000, 0, 0, 0, 0, 1, 0, 0, 0, 0, {}, ROW_SELECTED};
  SectorSize sectors2048;
  UpdateSectorSize(sectors2048, 2048);
  EXPECT_EQ(RequiredSize(files, sectors2048, COMPONENT_DATABASE, 0), 4096);
  EXPECT_EQ(RequiredSize(files, sectors2048, ALL_COMPONENTS, 0), 6144);
}

TEST(RequiredSize, EmptyOrAbsentTableNeedsNothing) {
  const FileEntry terminatorOnly[1] = {};
  EXPECT_EQ(RequiredSize(terminatorOnly, SectorSize{}, ALL_COMPONENTS, 1), 0);
  EXPECT_EQ(RequiredSize(nullptr, SectorSize{}, ALL_COMPONENTS, 1), 0);
}

} // namespace

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

namespace {

TEST(TypedDrive, ADriveIsNamedOnlyByTheLetterColonBackslashForm) {
  EXPECT_EQ(DriveNamedByText("C:\\Program Files\\TARN"), 'C');
  EXPECT_EQ(DriveNamedByText("e:\\"), 'e');
  EXPECT_EQ(DriveNamedByText("\"D:\\Apps"), 'D');
  EXPECT_EQ(DriveNamedByText("7:\\x"), '7'); // whatever the character is
  EXPECT_EQ(DriveNamedByText("C:"), 0);
  EXPECT_EQ(DriveNamedByText("C:x"), 0);
  EXPECT_EQ(DriveNamedByText("tarn"), 0);
  EXPECT_EQ(DriveNamedByText("\\\\server\\share"), 0);
  EXPECT_EQ(DriveNamedByText("\"\"C:\\x"), 0);
  EXPECT_EQ(DriveNamedByText(""), 0);
  EXPECT_EQ(DriveNamedByText("\""), 0);
}

TEST(TypedDrive, QueriesOnlyWhenTheDriveChangesByteForByte) {
  char last = 0;
  EXPECT_TRUE(NoteTypedDrive(last, 'C'));
  EXPECT_FALSE(NoteTypedDrive(last, 'C'));
  EXPECT_TRUE(NoteTypedDrive(last, 'c'));
  EXPECT_TRUE(NoteTypedDrive(last, 0));
  EXPECT_FALSE(NoteTypedDrive(last, 0));
  EXPECT_EQ(last, 0);
}

TEST(TypedDrive, DriveAIsNeitherQueriedNorRemembered) {
  char last = 'C';
  EXPECT_FALSE(NoteTypedDrive(last, 'a'));
  EXPECT_FALSE(NoteTypedDrive(last, 'A'));
  EXPECT_EQ(last, 'C');
  EXPECT_FALSE(NoteTypedDrive(last, 'C'));
}

} // namespace
