#include "core/catalogue.h"

#include <gtest/gtest.h>

namespace {

TEST(RowSelection, SelectsTheComponentsRowsAndLeavesTheTerminatorAlone) {
  GroupItem items[] = {
      {COMPONENT_PROGRAM, "p.exe", "P", 1, 0, 0},
      {COMPONENT_DATABASE, "d.hlp", "D", 1, 0, 0},
      {COMPONENT_END, nullptr, "Group", 0, 0, 7},
  };
  SelectRows(items, COMPONENT_DATABASE, ROW_SELECTED);
  EXPECT_EQ(items[0].selected, 0);
  EXPECT_EQ(items[1].selected, 1);
  SelectRows(items, ALL_COMPONENTS, 5);
  EXPECT_EQ(items[0].selected, 5);
  EXPECT_EQ(items[1].selected, 5);
  EXPECT_EQ(items[2].selected, 7);
}

TEST(RowSelection, AnAbsentTableIsSkipped) {
  OptionalRow* absent = nullptr;
  SelectRows(absent, ALL_COMPONENTS, ROW_SELECTED);
  SUCCEED();
}

} // namespace
