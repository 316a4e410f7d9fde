// Our images against three expanders: ours, libmspack and msexpand.
#include "szdd/szdd_encoder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "corpus.h"
#include "scratch_folder.h"
#include "szdd/szdd_decoder.h"
#include "szdd/szdd_format.h"
#include "szdd/szdd_matches.h"
#include "szdd/szdd_parse.h"

namespace {

// msexpand moves one byte per system call: a modest share of the corpus.
constexpr size_t WINE_BYTES = 800000;

Bytes ExpandOurs(const Bytes& image, size_t length) {
  Bytes out(length);
  const SzddExpansion result = ExpandSzddImage(image.data(), image.size(), out.data(), out.size());
  if (result.outcome != SzddOutcome::EXPANDED) return Bytes{};
  return out;
}

void ExpectEveryExpanderGivesBack(const Bytes& content, const Bytes& image, const std::string& folder) {
  EXPECT_EQ(ExpandOurs(image, content.size()), content);
  EXPECT_EQ(ExpandWithLibmspack(image), content);
  EXPECT_EQ(ExpandWithMsexpand(image, folder), content);
}

Bytes TextOfRows(int rows) {
  std::string text;
  for (int i = 0; i < rows; ++i) text += "entry " + std::to_string(i * 37 % 101) + " = value;\n";
  return Bytes(text.begin(), text.end());
}

// Every position takes its longest match or a literal: what a simple compressor does.
size_t GreedyStreamLength(const Bytes& content) {
  const std::vector<SzddItem> matches = FindLongestMatches(content.data(), content.size());
  std::vector<SzddItem> items;
  for (size_t i = 0; i < matches.size(); i += items.back().length) items.push_back(matches[i]);
  return StreamLength(items);
}

// The window as the decoder sees it: the initial spaces, then the content.
uint8_t WindowByte(const Bytes& content, size_t at, size_t back) {
  return back > at ? static_cast<uint8_t>(SZDD_WINDOW_FILL) : content[at - back];
}

// The bytes from `at` on that a reference `distance` back expands to, by brute force.
size_t MatchLength(const Bytes& content, size_t at, size_t distance) {
  size_t n = 0;
  while (n < SZDD_LONGEST_REFERENCE && at + n < content.size() &&
         content[at + n] == WindowByte(content, at + n, distance))
    ++n;
  return n;
}

size_t LongestByBruteForce(const Bytes& content, size_t at) {
  size_t longest = 0;
  for (size_t distance = 1; distance <= SZDD_WINDOW_SIZE; ++distance)
    longest = std::max(longest, MatchLength(content, at, distance));
  return longest < SZDD_SHORTEST_REFERENCE ? 1 : longest;
}

TEST(SzddEncoder, EveryExpanderGivesTheContentBack) {
  ScratchFolder folder;
  for (const CorpusFile& file : EdgeCorpus()) {
    SCOPED_TRACE(file.name);
    ExpectEveryExpanderGivesBack(file.content, CompressSzdd(file.content.data(), file.content.size(), 'x'),
                                 folder.Path());
  }
  const std::vector<CorpusFile> wine = WineCorpus(WINE_BYTES);
  EXPECT_FALSE(wine.empty()) << "no Wine DLLs found: run scripts/install-deps.sh";
  for (const CorpusFile& file : wine) {
    SCOPED_TRACE(file.name);
    ExpectEveryExpanderGivesBack(file.content, CompressSzdd(file.content.data(), file.content.size(), 'l'),
                                 folder.Path());
  }
}

// Few letters and spaces, so that long and short matches abound, some into the initial
// window; long enough that positions leave the window.
TEST(SzddEncoder, TheMatchesAreTheLongestThatTheWindowHolds) {
  Bytes content(9000);
  uint32_t state = 12345;
  for (uint8_t& byte : content) {
    state = state * 1103515245u + 12345u;
    byte = " ab"[(state >> 16) % 3];
  }
  const std::vector<SzddItem> matches = FindLongestMatches(content.data(), content.size());
  ASSERT_EQ(matches.size(), content.size());
  for (size_t at = 0; at < content.size(); at += at < 100 || at + 100 > content.size() ? 1 : 17) {
    ASSERT_EQ(matches[at].length, LongestByBruteForce(content, at)) << "at " << at;
    if (IsReference(matches[at])) ASSERT_GE(MatchLength(content, at, matches[at].distance), matches[at].length);
  }
}

TEST(SzddEncoder, TheHeaderNamesTheLengthAndTheNamesLastCharacter) {
  const Bytes content = TextOfRows(10);
  const Bytes image = CompressSzdd(content.data(), content.size(), 'e');
  SzddHeader header{};
  ASSERT_TRUE(ReadSzddHeader(image.data(), image.size(), header));
  EXPECT_EQ(header.expandedLength, content.size());
  EXPECT_EQ(header.lastNameCharacter, 'e');
}

TEST(SzddEncoder, TheShortestParseIsNeverLongerThanTheGreedyOne) {
  for (const CorpusFile& file : EdgeCorpus()) {
    const std::vector<SzddItem> items = ShortestParse(FindLongestMatches(file.content.data(), file.content.size()));
    EXPECT_LE(StreamLength(items), GreedyStreamLength(file.content)) << file.name;
  }
  // Taking the longest match at "bcdefg" hides the longer one that starts a byte later.
  const std::string tricky = "abcdefg.bcdefghijklmnopq.abcdefghijklmnopq";
  const Bytes content(tricky.begin(), tricky.end());
  EXPECT_LT(StreamLength(ShortestParse(FindLongestMatches(content.data(), content.size()))),
            GreedyStreamLength(content));
}

TEST(SzddEncoder, LengthenedParsesLandOnNearlyEveryLengthUpToAllLiterals) {
  const Bytes content = TextOfRows(60);
  const std::vector<SzddItem> shortest = ShortestParse(FindLongestMatches(content.data(), content.size()));
  const size_t allLiterals = content.size() + (content.size() + 7) / 8;
  size_t made = 0;
  for (size_t length = StreamLength(shortest); length <= allLiterals; ++length) {
    std::vector<SzddItem> items = shortest;
    if (!LengthenParse(items, length)) {
      ASSERT_EQ(items, shortest) << "length " << length;
      continue;
    }
    ++made;
    ASSERT_EQ(StreamLength(items), length);
    ASSERT_EQ(ExpandOurs(WriteSzddImage(content.data(), content.size(), 't', items), content.size()), content)
        << "length " << length;
  }
  // Only near all literals do too few references remain to land on every length.
  EXPECT_GE(made, (allLiterals - StreamLength(shortest)) * 9 / 10);
}

TEST(SzddEncoder, ImagesOfAnExactLengthExpandEverywhere) {
  ScratchFolder folder;
  const Bytes content = TextOfRows(60);
  const size_t shortest = CompressSzdd(content.data(), content.size(), 't').size();
  for (size_t length : {shortest, shortest + 1, shortest + 7, shortest + 333, shortest + 1000}) {
    SCOPED_TRACE(length);
    Bytes image;
    ASSERT_TRUE(CompressSzddToLength(content.data(), content.size(), 't', length, image));
    EXPECT_EQ(image.size(), length);
    ExpectEveryExpanderGivesBack(content, image, folder.Path());
  }
}

TEST(SzddEncoder, NoImageShorterThanTheShortest) {
  const Bytes content = TextOfRows(40);
  const size_t shortest = CompressSzdd(content.data(), content.size(), 't').size();
  Bytes image{1, 2, 3};
  EXPECT_FALSE(CompressSzddToLength(content.data(), content.size(), 't', shortest - 1, image));
  EXPECT_EQ(image, (Bytes{1, 2, 3}));
  EXPECT_FALSE(CompressSzddToLength(content.data(), content.size(), 't', 5, image));
}

} // namespace
