#include "payload/copy_plan.h"

#include <gtest/gtest.h>

namespace {

TEST(StampCalendar, ThisProductIsNoonPastThreeOnTheSixthOfMay2010) {
  const StampCalendar stamp = StampCalendarOf(6, 5, 10, 0x1203);
  EXPECT_EQ(stamp.year, 2010);
  EXPECT_EQ(stamp.month, 5);
  EXPECT_EQ(stamp.day, 6);
  EXPECT_EQ(stamp.hour, 12);
  EXPECT_EQ(stamp.minute, 3);
}

TEST(StampCalendar, TwoDigitYearsSplitAtFifty) {
  EXPECT_EQ(StampYear(0), 2000);
  EXPECT_EQ(StampYear(49), 2049);
  EXPECT_EQ(StampYear(50), 1950);
  EXPECT_EQ(StampYear(99), 1999);
}

TEST(StampCalendar, FullYearsStayAsTheyAre) {
  EXPECT_EQ(StampYear(100), 100);
  EXPECT_EQ(StampYear(1998), 1998);
  EXPECT_EQ(StampYear(2010), 2010);
}

TEST(StampCalendar, MinuteIsTheVersionsLowByteReadAsDecimalDigits) {
  EXPECT_EQ(StampMinute(0x1200), 0);
  EXPECT_EQ(StampMinute(0x1259), 59);
  EXPECT_EQ(StampMinute(0x0910), 10);
  // The major version plays no part.
  EXPECT_EQ(StampMinute(0x4503), 3);
}

} // namespace
