#include "core/page_sequence.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class PageSequenceTest : public ::testing::Test {
protected:
  void SetUp() override { BuildPageSequence(sequence, 9); }
  void TearDown() override { ReleasePageSequence(sequence); }

  std::vector<int32_t> Slots() const {
    return std::vector<int32_t>(sequence.entries, sequence.entries + sequence.count + 1);
  }

  PageSequence sequence;
};

TEST_F(PageSequenceTest, StartsWithEveryPageThenTheEndMarker) {
  EXPECT_EQ(Slots(), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, -1}));
}

TEST_F(PageSequenceTest, LeavingTheWelcomePageDropsThePassivePage) {
  ChangePageSequence(sequence, 1, 0);
  EXPECT_EQ(Slots(), (std::vector<int32_t>{0, 2, 3, 4, 5, 6, 7, 8, -1, -1}));
  EXPECT_EQ(PageAtPosition(sequence, 1), 2);
}

TEST_F(PageSequenceTest, ReplacePageComesAndGoes) {
  ChangePageSequence(sequence, 1, 0);
  ChangePageSequence(sequence, 3, 0);
  EXPECT_EQ(Slots(), (std::vector<int32_t>{0, 2, 4, 5, 6, 7, 8, -1, -1, -1}));
  ChangePageSequence(sequence, 3, 1);
  EXPECT_EQ(Slots(), (std::vector<int32_t>{0, 2, 3, 4, 5, 6, 7, 8, -1, -1}));
}

TEST_F(PageSequenceTest, RemovingAnAbsentOrInsertingAPresentIndexChangesNothing) {
  ChangePageSequence(sequence, 1, 0);
  const auto before = Slots();
  ChangePageSequence(sequence, 1, 0);
  ChangePageSequence(sequence, 4, 1);
  EXPECT_EQ(Slots(), before);
}

TEST_F(PageSequenceTest, InsertingBeyondEveryPresentIndexChangesNothing) {
  ChangePageSequence(sequence, 8, 0);
  ChangePageSequence(sequence, 7, 0);
  const auto before = Slots();
  ChangePageSequence(sequence, 8, 1);
  EXPECT_EQ(Slots(), before);
}

TEST_F(PageSequenceTest, IndicesOutsideThePageTableAreIgnored) {
  const auto before = Slots();
  ChangePageSequence(sequence, 9, 1);
  ChangePageSequence(sequence, 9, 0);
  ChangePageSequence(sequence, -1, 1);
  ChangePageSequence(sequence, -1, 0);
  EXPECT_EQ(Slots(), before);
}

TEST_F(PageSequenceTest, PositionsWithoutAPageGiveTheEndMarker) {
  EXPECT_EQ(PageAtPosition(sequence, 9), END_OF_SEQUENCE);
  // Back from position 0 and far beyond the list must not read outside it.
  EXPECT_EQ(PageAtPosition(sequence, -1), END_OF_SEQUENCE);
  EXPECT_EQ(PageAtPosition(sequence, 10), END_OF_SEQUENCE);
}

TEST(PageSequence, AnUnbuiltOrReleasedListHasNoPages) {
  PageSequence sequence;
  EXPECT_EQ(PageAtPosition(sequence, 0), END_OF_SEQUENCE);
  ChangePageSequence(sequence, 0, 1);
  BuildPageSequence(sequence, 3);
  ReleasePageSequence(sequence);
  EXPECT_EQ(PageAtPosition(sequence, 0), END_OF_SEQUENCE);
}

} // namespace
