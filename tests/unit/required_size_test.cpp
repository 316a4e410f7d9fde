#include "destination/disk_space.h"

#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "wizard/product.h"

namespace {

// Works on the product's own file table, restoring its compiled selection afterwards.
class ProductRequiredSize : public ::testing::Test {
protected:
  void TearDown() override { SelectRows(productFiles, ALL_COMPONENTS, ROW_NOT_SELECTED); }
  const AllocationUnit sectors512{};
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
  AllocationUnit bytes;
  UpdateAllocationUnit(bytes, 1);
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
  AllocationUnit sectors2048;
  UpdateAllocationUnit(sectors2048, 2048);
  EXPECT_EQ(RequiredSize(files, sectors2048, COMPONENT_DATABASE, 0), 4096);
  EXPECT_EQ(RequiredSize(files, sectors2048, ALL_COMPONENTS, 0), 6144);
}

TEST(RequiredSize, EmptyOrAbsentTableNeedsNothing) {
  const FileEntry terminatorOnly[1] = {};
  EXPECT_EQ(RequiredSize(terminatorOnly, AllocationUnit{}, ALL_COMPONENTS, 1), 0);
  EXPECT_EQ(RequiredSize(nullptr, AllocationUnit{}, ALL_COMPONENTS, 1), 0);
}

} // namespace
