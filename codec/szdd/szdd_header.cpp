#include "szdd/szdd_format.h"

#include <cstring>

const uint8_t szddMagic[8] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};

namespace {

constexpr size_t MODE_OFFSET = 8;
constexpr size_t NAME_CHARACTER_OFFSET = 9;
constexpr size_t LENGTH_OFFSET = 10;

} // namespace

bool ReadSzddHeader(const uint8_t* image, size_t imageLength, SzddHeader& header) {
  if (imageLength < SZDD_HEADER_SIZE || std::memcmp(image, szddMagic, sizeof szddMagic) != 0) return false;
  if (image[MODE_OFFSET] != SZDD_MODE_A) return false;
  header.lastNameCharacter = image[NAME_CHARACTER_OFFSET];
  header.expandedLength = 0;
  for (size_t i = 0; i < 4; ++i) header.expandedLength |= static_cast<uint32_t>(image[LENGTH_OFFSET + i]) << (8 * i);
  return true;
}

void WriteSzddHeader(const SzddHeader& header, uint8_t out[SZDD_HEADER_SIZE]) {
  std::memcpy(out, szddMagic, sizeof szddMagic);
  out[MODE_OFFSET] = SZDD_MODE_A;
  out[NAME_CHARACTER_OFFSET] = header.lastNameCharacter;
  for (size_t i = 0; i < 4; ++i) out[LENGTH_OFFSET + i] = static_cast<uint8_t>(header.expandedLength >> (8 * i));
}
