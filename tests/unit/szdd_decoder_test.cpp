#include "szdd/szdd_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "szdd/szdd_encoder.h"
#include "szdd/szdd_format.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t CANARY = 0xA5;

Bytes Image(uint32_t expandedLength, const Bytes& stream) {
  Bytes image(SZDD_HEADER_SIZE);
  WriteSzddHeader(SzddHeader{'e', expandedLength}, image.data());
  image.insert(image.end(), stream.begin(), stream.end());
  return image;
}

// The two bytes of a reference to a window position.
Bytes Reference(uint32_t position, uint32_t length) {
  return {static_cast<uint8_t>(position & 0xFF), static_cast<uint8_t>(((position >> 4) & 0xF0) | (length - 3))};
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes joined;
  for (const Bytes& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

struct Expanded {
  SzddOutcome outcome;
  std::string text;
  bool canaryIntact;
};

// Expands into a buffer of `capacity` bytes followed by guard bytes that must stay untouched.
Expanded Expand(const Bytes& image, size_t capacity) {
  Bytes buffer(capacity + 64, CANARY);
  const SzddExpansion result = ExpandSzddImage(image.data(), image.size(), buffer.data(), capacity);
  bool intact = true;
  for (size_t i = capacity; i < buffer.size(); ++i) intact = intact && buffer[i] == CANARY;
  return Expanded{result.outcome, std::string(buffer.begin(), buffer.begin() + result.length), intact};
}

Expanded Expand(const Bytes& image) {
  SzddHeader header{};
  return Expand(image, ReadSzddHeader(image.data(), image.size(), header) ? header.expandedLength : 0);
}

TEST(SzddDecoder, LiteralsAreCopied) {
  const Expanded result = Expand(Image(3, {0xFF, 'a', 'b', 'c'}));
  EXPECT_EQ(result.outcome, SzddOutcome::EXPANDED);
  EXPECT_EQ(result.text, "abc");
}

TEST(SzddDecoder, AReferenceAtTheStartCopiesTheWindowsSpaces) {
  EXPECT_EQ(Expand(Image(5, Join({{0x00}, Reference(0, 5)}))).text, "     ");
  // The position where the first byte goes still holds its space.
  EXPECT_EQ(Expand(Image(3, Join({{0x00}, Reference(SZDD_FIRST_POSITION, 3)}))).text, "   ");
}

TEST(SzddDecoder, AReferenceMayOverlapWhatItWrites) {
  EXPECT_EQ(Expand(Image(11, Join({{0x01, 'a'}, Reference(SZDD_FIRST_POSITION, 10)}))).text, "aaaaaaaaaaa");
  // From two initial spaces on, across the written bytes and into its own output.
  EXPECT_EQ(Expand(Image(8, Join({{0x03, 'x', 'y'}, Reference(SZDD_FIRST_POSITION - 2, 6)}))).text, "xy  xy  ");
}

TEST(SzddDecoder, AReferenceAWholeWindowBackReadsBeforeItWrites) {
  Bytes stream;
  std::string expected;
  for (int i = 0; i < 4096; i += 8) {
    stream.push_back(0xFF);
    for (int k = 0; k < 8; ++k) {
      stream.push_back(static_cast<uint8_t>('a' + (i + k) % 26));
      expected += static_cast<char>('a' + (i + k) % 26);
    }
  }
  stream.push_back(0x00);
  const Bytes reference = Reference(SZDD_FIRST_POSITION, 3); // where byte 0 was, and byte 4096 goes
  stream.insert(stream.end(), reference.begin(), reference.end());
  EXPECT_EQ(Expand(Image(4099, stream)).text, expected + "abc");
}

TEST(SzddDecoder, AStreamEndingEarlyIsTooShort) {
  const Expanded literals = Expand(Image(10, {0xFF, 'a', 'b', 'c'}));
  EXPECT_EQ(literals.outcome, SzddOutcome::STREAM_TOO_SHORT);
  EXPECT_EQ(literals.text, "abc");
  // Half a reference is no reference.
  const Expanded half = Expand(Image(10, {0x01, 'a', 0x00}));
  EXPECT_EQ(half.outcome, SzddOutcome::STREAM_TOO_SHORT);
  EXPECT_EQ(half.text, "a");
  EXPECT_EQ(Expand(Image(10, {})).outcome, SzddOutcome::STREAM_TOO_SHORT);
}

TEST(SzddDecoder, NothingPastTheHeadersLengthIsWritten) {
  const Expanded literals = Expand(Image(2, {0xFF, 'a', 'b', 'c'}));
  EXPECT_EQ(literals.outcome, SzddOutcome::STREAM_TOO_LONG);
  EXPECT_EQ(literals.text, "ab");
  EXPECT_TRUE(literals.canaryIntact);
  const Expanded reference = Expand(Image(4, Join({{0x01, 'a'}, Reference(SZDD_FIRST_POSITION, 18)})));
  EXPECT_EQ(reference.outcome, SzddOutcome::STREAM_TOO_LONG);
  EXPECT_EQ(reference.text, "aaaa");
  EXPECT_TRUE(reference.canaryIntact);
}

TEST(SzddDecoder, AFlagByteWithNoItemsEndsTheStream) {
  EXPECT_EQ(Expand(Image(3, {0xFF, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 0x00}), 3).outcome,
            SzddOutcome::STREAM_TOO_LONG);
  const Expanded exact = Expand(Image(8, {0xFF, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 0x00}));
  EXPECT_EQ(exact.outcome, SzddOutcome::EXPANDED);
  EXPECT_EQ(exact.text, "abcdefgh");
}

TEST(SzddDecoder, AHeaderLongerThanTheOutputFillsItAndNoMore) {
  const Expanded result = Expand(Image(1000000, {0x00, 0x00, 0x0F, 0x00, 0x0F}), 20);
  EXPECT_EQ(result.outcome, SzddOutcome::OUTPUT_TOO_SMALL);
  EXPECT_EQ(result.text, std::string(20, ' '));
  EXPECT_TRUE(result.canaryIntact);
}

TEST(SzddDecoder, OnlyModeAImagesAreExpanded) {
  Bytes image = Image(3, {0xFF, 'a', 'b', 'c'});
  Bytes modeB = image;
  modeB[8] = 'B';
  Bytes badMagic = image;
  badMagic[7] = 0x34;
  EXPECT_EQ(Expand(modeB, 3).outcome, SzddOutcome::NOT_SZDD);
  EXPECT_EQ(Expand(badMagic, 3).outcome, SzddOutcome::NOT_SZDD);
  EXPECT_EQ(Expand(Bytes(image.begin(), image.begin() + 13), 3).outcome, SzddOutcome::NOT_SZDD);
}

TEST(SzddDecoder, EveryCutOfAnImageExpandsToAPrefix) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "row " + std::to_string(i % 17) + " of the table; ";
  const Bytes content(text.begin(), text.end());
  const Bytes image = CompressSzdd(content.data(), content.size(), 't');
  for (size_t cut = SZDD_HEADER_SIZE; cut <= image.size(); cut += 7) {
    const Expanded result = Expand(Bytes(image.begin(), image.begin() + cut));
    ASSERT_EQ(result.text, text.substr(0, result.text.size())) << "cut at " << cut;
    ASSERT_TRUE(result.canaryIntact);
  }
}

} // namespace
