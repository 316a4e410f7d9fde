#include "payload/copy_plan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A row as the copy goes through it: its stored bytes written in chunks, then, when it
// expands, the half after the expansion and the rest after the checksum pass.
struct Row {
  uint32_t size;
  uint32_t storedLength;
  bool expands;
};

constexpr uint32_t CHUNK = 61440;

// Runs the rows through the progress, checking after every step that it never goes back
// and never passes the total; returns the done bytes after each row.
std::vector<uint32_t> RunCopy(const std::vector<Row>& rows) {
  CopyProgress progress{};
  for (const Row& row : rows) AddRowToTotal(progress, row.size);
  std::vector<uint32_t> afterRows;
  uint32_t previous = 0;
  auto check = [&]() {
    EXPECT_GE(progress.doneBytes, previous);
    EXPECT_LE(progress.doneBytes, progress.totalBytes);
    previous = progress.doneBytes;
  };
  for (const Row& row : rows) {
    BeginRowProgress(progress, row.size);
    for (uint32_t written = 0; written < row.storedLength; written += CHUNK) {
      const uint32_t left = row.storedLength - written;
      CreditWritten(progress, left < CHUNK ? left : CHUNK);
      check();
    }
    if (row.expands) {
      CreditHalfOfRest(progress);
      check();
    }
    CreditRest(progress);
    check();
    afterRows.push_back(progress.doneBytes);
  }
  return afterRows;
}

TEST(CopyProgress, AnImageLongerThanItsFileNeitherOvershootsNorGoesBack) {
  // tarn.chm: 74,630 stored bytes expand to 74,088.
  const std::vector<uint32_t> done = RunCopy({{74088, 74630, true}});
  EXPECT_EQ(done.back(), 74088u);
}

TEST(CopyProgress, ThisProductsElevenRowsEndAtTheirTotal) {
  const std::vector<Row> rows = {
      {53248, 30638, true},   {348160, 174094, true}, {811008, 368161, true}, {74088, 74630, true},
      {73289, 63118, true},   {1028, 746, true},      {73728, 41646, true},   {171, 150, true},
      {118784, 73452, true},  {104889, 104889, false}, {219136, 120364, true},
  };
  const std::vector<uint32_t> done = RunCopy(rows);
  uint32_t sum = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    sum += rows[i].size;
    EXPECT_EQ(done[i], sum) << "after row " << i;
  }
  EXPECT_EQ(sum, 1877529u);
}

TEST(CopyProgress, AnExpandingRowAddsHalfOfWhatItLacksAfterItsExpansion) {
  CopyProgress progress{};
  AddRowToTotal(progress, 1000);
  BeginRowProgress(progress, 1000);
  CreditWritten(progress, 400);
  EXPECT_EQ(progress.doneBytes, 400u);
  CreditHalfOfRest(progress);
  EXPECT_EQ(progress.doneBytes, 700u);
  CreditRest(progress);
  EXPECT_EQ(progress.doneBytes, 1000u);
}

TEST(CopyProgress, AShortSourceIsMadeUpAtTheEndOfItsRow) {
  const std::vector<uint32_t> done = RunCopy({{5000, 3000, false}, {10, 10, false}});
  EXPECT_EQ(done[0], 5000u);
  EXPECT_EQ(done[1], 5010u);
}

TEST(CopyProgress, ASkippedRowCountsInFull) {
  CopyProgress progress{};
  AddRowToTotal(progress, 300);
  AddRowToTotal(progress, 700);
  CreditSkippedRow(progress, 300);
  EXPECT_EQ(progress.doneBytes, 300u);
}

TEST(CopyProgress, RowsOutsideTheTotalCannotPushPastIt) {
  CopyProgress progress{};
  AddRowToTotal(progress, 100);
  CreditSkippedRow(progress, 100);
  CreditSkippedRow(progress, 50);
  BeginRowProgress(progress, 80);
  CreditWritten(progress, 80);
  EXPECT_EQ(progress.doneBytes, 100u);
}

TEST(CopyProgress, SizesNearTheTopOfTheRangeDoNotWrap) {
  CopyProgress progress{};
  AddRowToTotal(progress, 0xFFFFFFF0u);
  BeginRowProgress(progress, 0xFFFFFFF0u);
  CreditWritten(progress, 0xFFFFFFFFu);
  EXPECT_EQ(progress.doneBytes, 0xFFFFFFF0u);
  CreditHalfOfRest(progress);
  CreditRest(progress);
  EXPECT_EQ(progress.doneBytes, 0xFFFFFFF0u);
}

TEST(ProgressFill, RunsFromInsideTheFrameToTheRightEdge) {
  EXPECT_EQ(ProgressFillRight(0, 262, 0, 1000), 2);
  EXPECT_EQ(ProgressFillRight(0, 262, 500, 1000), 132);
  EXPECT_EQ(ProgressFillRight(0, 262, 1000, 1000), 262);
  EXPECT_EQ(ProgressFillRight(10, 20, 1, 3), 14); // truncated: 12 + 8 / 3
}

TEST(ProgressFill, NoTotalDrawsNothing) { EXPECT_EQ(ProgressFillRight(0, 262, 0, 0), 2); }

TEST(ProgressFill, NeverLeavesTheBar) {
  EXPECT_EQ(ProgressFillRight(0, 262, 2000, 1000), 262);
  EXPECT_EQ(ProgressFillRight(0, 1, 5, 10), 2); // narrower than its frame lines
}

TEST(ProgressFill, LargeByteCountsDoNotOverflowTheProduct) {
  // 262 * 4,000,000,000 exceeds 32 bits.
  EXPECT_EQ(ProgressFillRight(0, 262, 4000000000u, 4000000000u), 262);
  EXPECT_EQ(ProgressFillRight(0, 262, 2000000000u, 4000000000u), 132);
  EXPECT_EQ(ProgressFillRight(-5, 0x7FFFFFFF, 0xFFFFFFFFu, 0xFFFFFFFFu), 0x7FFFFFFF);
  EXPECT_EQ(ProgressFillRight(0, 262, 3000000000u, 4000000000u), 197);
}

TEST(ProgressFill, IsTheTruncatedQuotientForWideBarsAndLargeTotals) {
  const int32_t rights[] = {3, 7, 262, 1000, 65537, 0x7FFFFFFF};
  const uint32_t totals[] = {1, 3, 1000, 0x7FFFFFFFu, 0x80000001u, 0xFFFFFFFEu, 0xFFFFFFFFu};
  for (int32_t right : rights) {
    for (uint32_t total : totals) {
      for (uint32_t done : {0u, 1u, total / 3, total / 2, total - 1, total}) {
        const int64_t width = static_cast<int64_t>(right) - 2;
        const int64_t expected = 2 + static_cast<int64_t>(static_cast<uint64_t>(width) * done / total);
        EXPECT_EQ(ProgressFillRight(0, right, done, total), expected) << right << " " << done << "/" << total;
      }
    }
  }
}

} // namespace

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

TEST(PayloadPath, FontsAreKnownByTheirLastExtensionInAnyCase) {
  EXPECT_TRUE(IsFontFileName("serif.fon"));
  EXPECT_TRUE(IsFontFileName("SERIF.FON"));
  EXPECT_TRUE(IsFontFileName("a.b.Fon"));
  EXPECT_FALSE(IsFontFileName("serif.fon.bak"));
  EXPECT_FALSE(IsFontFileName("serif.font"));
  EXPECT_FALSE(IsFontFileName("serif.fo"));
  EXPECT_FALSE(IsFontFileName("fon"));
}

} // namespace
