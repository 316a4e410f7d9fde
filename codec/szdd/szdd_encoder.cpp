#include "szdd/szdd_encoder.h"

#include "szdd/szdd_format.h"
#include "szdd/szdd_matches.h"
#include "szdd/szdd_parse.h"

namespace {

void AppendStream(const uint8_t* content, const std::vector<SzddItem>& items, std::vector<uint8_t>& out) {
  size_t expanded = 0;
  size_t flagAt = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    const uint32_t bit = i % SZDD_ITEMS_PER_FLAG;
    if (bit == 0) {
      flagAt = out.size();
      out.push_back(0);
    }
    const SzddItem& item = items[i];
    if (!IsReference(item)) {
      out[flagAt] = static_cast<uint8_t>(out[flagAt] | (1u << bit));
      out.push_back(content[expanded]);
    } else {
      const uint32_t position = (SZDD_FIRST_POSITION + expanded - item.distance) & SZDD_WINDOW_MASK;
      out.push_back(static_cast<uint8_t>(position & 0xFF));
      out.push_back(static_cast<uint8_t>(((position >> 4) & 0xF0) | (item.length - SZDD_SHORTEST_REFERENCE)));
    }
    expanded += item.length;
  }
}

} // namespace

std::vector<uint8_t> WriteSzddImage(const uint8_t* content, size_t length, uint8_t lastNameCharacter,
                                    const std::vector<SzddItem>& items) {
  std::vector<uint8_t> image(SZDD_HEADER_SIZE);
  WriteSzddHeader(SzddHeader{lastNameCharacter, static_cast<uint32_t>(length)}, image.data());
  image.reserve(SZDD_HEADER_SIZE + StreamLength(items));
  AppendStream(content, items, image);
  return image;
}

std::vector<uint8_t> CompressSzdd(const uint8_t* content, size_t length, uint8_t lastNameCharacter) {
  return WriteSzddImage(content, length, lastNameCharacter, ShortestParse(FindLongestMatches(content, length)));
}

bool CompressSzddToLength(const uint8_t* content, size_t length, uint8_t lastNameCharacter, size_t imageLength,
                          std::vector<uint8_t>& image) {
  if (imageLength < SZDD_HEADER_SIZE) return false;
  std::vector<SzddItem> items = ShortestParse(FindLongestMatches(content, length));
  if (!LengthenParse(items, imageLength - SZDD_HEADER_SIZE)) return false;
  image = WriteSzddImage(content, length, lastNameCharacter, items);
  return true;
}
