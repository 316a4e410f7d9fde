// The SZDD image, mode A: a 14-byte header and an LZSS stream over a 4096-byte window that
// starts filled with spaces, the first byte written at position 4080.
#ifndef TARN_SZDD_SZDD_FORMAT_H
#define TARN_SZDD_SZDD_FORMAT_H

#include <cstddef>
#include <cstdint>

constexpr size_t SZDD_HEADER_SIZE = 14;
constexpr uint8_t SZDD_MODE_A = 'A';
constexpr uint32_t SZDD_WINDOW_SIZE = 4096;
constexpr uint32_t SZDD_WINDOW_MASK = SZDD_WINDOW_SIZE - 1;
constexpr uint32_t SZDD_FIRST_POSITION = 4080;
constexpr uint8_t SZDD_WINDOW_FILL = ' ';
constexpr uint32_t SZDD_SHORTEST_REFERENCE = 3;
constexpr uint32_t SZDD_LONGEST_REFERENCE = 18;
constexpr uint32_t SZDD_ITEMS_PER_FLAG = 8;

// A flag byte stands before every group of up to eight items.
constexpr size_t SzddFlagBytes(size_t itemCount) { return (itemCount + SZDD_ITEMS_PER_FLAG - 1) / SZDD_ITEMS_PER_FLAG; }

extern const uint8_t szddMagic[8];

struct SzddHeader {
  uint8_t lastNameCharacter; // the character that the compressed name replaces by "_"
  uint32_t expandedLength;
};

// False when the image is shorter than a header, lacks the magic or is not of mode A.
bool ReadSzddHeader(const uint8_t* image, size_t imageLength, SzddHeader& header);
void WriteSzddHeader(const SzddHeader& header, uint8_t out[SZDD_HEADER_SIZE]);

#endif
