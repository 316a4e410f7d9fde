#include "forge/filler.h"

#include <string>

#include "forge/prng.h"

namespace {

constexpr size_t BLOCK_SIZE = 512;
constexpr size_t LINE_WIDTH = 64;
const char* const VOCABULARY[] = {"the", "library", "document", "TARN", "page", "topic", "index", "reader"};
constexpr size_t VOCABULARY_SIZE = sizeof VOCABULARY / sizeof VOCABULARY[0];

void FillBinary(std::vector<uint8_t>& content, const FillerRegion& region, size_t incompressible) {
  Prng prng(region.seed);
  const size_t length = region.end - region.begin;
  size_t randomSoFar = 0;
  for (size_t block = region.begin; block < region.end; block += BLOCK_SIZE) {
    const size_t blockEnd = block + BLOCK_SIZE < region.end ? block + BLOCK_SIZE : region.end;
    // The share of random bytes up to the block's end, rounded down, less what came before.
    const size_t share = incompressible * (blockEnd - region.begin) / length - randomSoFar;
    for (size_t at = block; at < blockEnd; ++at) content[at] = at - block < share ? static_cast<uint8_t>(prng.Next()) : 0;
    randomSoFar += share;
  }
}

std::string RandomWord(Prng& prng) {
  std::string word(3 + prng.Below(6), ' ');
  for (char& c : word) c = static_cast<char>('a' + prng.Below(26));
  return word;
}

void FillText(std::vector<uint8_t>& content, const FillerRegion& region, size_t incompressible) {
  Prng prng(region.seed);
  const size_t length = region.end - region.begin;
  std::string text;
  size_t randomSoFar = 0;
  size_t lineStart = 0;
  while (text.size() < length) {
    // Keeps the random share of what is written so far in step with the share asked for.
    const bool random = randomSoFar * length < incompressible * (text.size() + 1);
    const std::string word = random ? RandomWord(prng) : VOCABULARY[prng.Below(VOCABULARY_SIZE)];
    if (random) randomSoFar += word.size();
    text += word;
    if (text.size() - lineStart >= LINE_WIDTH) {
      text += "\r\n";
      lineStart = text.size();
    } else {
      text += ' ';
    }
  }
  text.resize(length);
  if (length >= 2) text.replace(length - 2, 2, "\r\n");
  for (size_t i = 0; i < length; ++i) content[region.begin + i] = static_cast<uint8_t>(text[i]);
}

} // namespace

void Fill(std::vector<uint8_t>& content, const FillerRegion& region, size_t incompressible) {
  if (region.kind == FillerKind::BINARY) {
    FillBinary(content, region, incompressible);
  } else {
    FillText(content, region, incompressible);
  }
}
