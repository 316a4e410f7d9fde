#include "core/page_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <vector>

namespace {

constexpr int32_t PAGES = 9;

// The pages that Next visits from position 0 until the walk ends.
std::vector<int32_t> Walk(const PageSequence& sequence) {
  std::vector<int32_t> pages;
  for (int32_t position = 0; PageAtPosition(sequence, position) != END_OF_SEQUENCE; ++position)
    pages.push_back(PageAtPosition(sequence, position));
  return pages;
}

class PageSequenceTest : public ::testing::Test {
protected:
  void SetUp() override { BuildPageSequence(sequence, PAGES); }
  void TearDown() override { ReleasePageSequence(sequence); }

  PageSequence sequence;
};

TEST_F(PageSequenceTest, StartsWithEveryPageInOrder) {
  EXPECT_EQ(Walk(sequence), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(PageAtPosition(sequence, PAGES), END_OF_SEQUENCE);
}

TEST_F(PageSequenceTest, TheWizardsRoadDropsThePlatformNoteAndTakesTheReplacePageInAndOut) {
  ChangePageSequence(sequence, 1, 0);
  ChangePageSequence(sequence, 3, 1); // already there
  EXPECT_EQ(Walk(sequence), (std::vector<int32_t>{0, 2, 3, 4, 5, 6, 7, 8}));
  ChangePageSequence(sequence, 3, 0);
  ChangePageSequence(sequence, 3, 0); // already gone
  EXPECT_EQ(Walk(sequence), (std::vector<int32_t>{0, 2, 4, 5, 6, 7, 8}));
  ChangePageSequence(sequence, 3, 1);
  EXPECT_EQ(Walk(sequence), (std::vector<int32_t>{0, 2, 3, 4, 5, 6, 7, 8}));
}

// Every page taken out, then put back, each in every order of a few pages, the last ones
// among them: the walk always visits exactly the pages present, in ascending order.
TEST_F(PageSequenceTest, RemovingAndInsertingInAnyOrderWalksThePresentPagesInOrder) {
  const std::vector<int32_t> chosen{1, 3, 7, 8};
  std::vector<int32_t> removals = chosen;
  do {
    std::vector<int32_t> insertions = chosen;
    do {
      BuildPageSequence(sequence, PAGES);
      std::set<int32_t> present;
      for (int32_t page = 0; page < PAGES; ++page) present.insert(page);
      for (int32_t page : removals) {
        ChangePageSequence(sequence, page, 0);
        present.erase(page);
        ASSERT_EQ(Walk(sequence), std::vector<int32_t>(present.begin(), present.end()));
      }
      for (int32_t page : insertions) {
        ChangePageSequence(sequence, page, 1);
        present.insert(page);
        ASSERT_EQ(Walk(sequence), std::vector<int32_t>(present.begin(), present.end()));
      }
    } while (std::next_permutation(insertions.begin(), insertions.end()));
  } while (std::next_permutation(removals.begin(), removals.end()));
}

TEST_F(PageSequenceTest, AnEmptiedWalkTakesItsPagesBack) {
  for (int32_t page = PAGES - 1; page >= 0; --page) ChangePageSequence(sequence, page, 0);
  EXPECT_TRUE(Walk(sequence).empty());
  for (int32_t page = PAGES - 1; page >= 0; --page) ChangePageSequence(sequence, page, 1);
  std::vector<int32_t> every(PAGES);
  std::iota(every.begin(), every.end(), 0);
  EXPECT_EQ(Walk(sequence), every);
}

TEST_F(PageSequenceTest, IndicesOutsideThePageTableAreIgnored) {
  ChangePageSequence(sequence, PAGES, 1);
  ChangePageSequence(sequence, PAGES, 0);
  ChangePageSequence(sequence, -1, 1);
  ChangePageSequence(sequence, -1, 0);
  EXPECT_EQ(Walk(sequence).size(), static_cast<size_t>(PAGES));
}

TEST_F(PageSequenceTest, PositionsWithoutAPageGiveTheEndMarker) {
  // Back from position 0 and far beyond the list must not read outside it.
  EXPECT_EQ(PageAtPosition(sequence, -1), END_OF_SEQUENCE);
  EXPECT_EQ(PageAtPosition(sequence, PAGES + 1), END_OF_SEQUENCE);
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
