// Our images against three expanders: ours, libmspack and msexpand.
#include "payload/szdd_encoder.h"

#include <gtest/gtest.h>

#include "corpus.h"
#include "payload/szdd_decoder.h"
#include "payload/szdd_format.h"
#include "payload/szdd_matches.h"
#include "payload/szdd_parse.h"
#include "scratch_folder.h"

namespace {

constexpr size_t WINE_BYTES = 1500000;

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

TEST(SzddEncoder, EveryExpanderGivesTheContentBack) {
  ScratchFolder folder;
  for (const CorpusFile& file : EdgeCorpus()) {
    SCOPED_TRACE(file.name);
    ExpectEveryExpanderGivesBack(file.content, CompressSzdd(file.content.data(), file.content.size(), 'x'),
                                 folder.Path());
  }
  for (const CorpusFile& file : WineCorpus(WINE_BYTES)) {
    SCOPED_TRACE(file.name);
    ExpectEveryExpanderGivesBack(file.content, CompressSzdd(file.content.data(), file.content.size(), 'l'),
                                 folder.Path());
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

TEST(SzddEncoder, ImagesOfEveryLengthFromTheShortestToAllLiterals) {
  ScratchFolder folder;
  const Bytes content = TextOfRows(60);
  const size_t shortest = CompressSzdd(content.data(), content.size(), 't').size();
  const size_t allLiterals = SZDD_HEADER_SIZE + content.size() + (content.size() + 7) / 8;
  size_t made = 0;
  for (size_t length = shortest; length <= allLiterals; ++length) {
    Bytes image;
    if (!CompressSzddToLength(content.data(), content.size(), 't', length, image)) continue;
    ++made;
    ASSERT_EQ(image.size(), length);
    ASSERT_EQ(ExpandOurs(image, content.size()), content) << "length " << length;
    ASSERT_EQ(ExpandWithLibmspack(image), content) << "length " << length;
  }
  // Only near all literals do too few references remain to land on every length.
  EXPECT_GE(made, (allLiterals - shortest) * 9 / 10);
  Bytes image;
  EXPECT_TRUE(CompressSzddToLength(content.data(), content.size(), 't', shortest + 333, image));
  ExpectEveryExpanderGivesBack(content, image, folder.Path());
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
