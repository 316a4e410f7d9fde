// Setting a content's CRC register to a wanted value by flipping some of its bits. The
// register is affine in the content, so the bits to flip solve a linear system over GF(2).
#ifndef TARN_FORGE_CRC_FORCING_H
#define TARN_FORGE_CRC_FORCING_H

#include <cstddef>
#include <cstdint>
#include <vector>

// The bits of one byte that may be changed.
struct FreeBits {
  size_t offset;
  uint8_t mask;
};

// `count` whole bytes from `offset` on.
std::vector<FreeBits> FreeBytes(size_t offset, size_t count);
// The low four bits of `count` bytes from `offset` on: a byte 0x40 stays one of "@A..O".
std::vector<FreeBits> FreeLowNibbles(size_t offset, size_t count);

// Changes only free bits so that the register after the last byte, from CRC32_START, is
// `target`. False, content untouched, when the free bits cannot reach it.
bool ForceCrc(std::vector<uint8_t>& content, const std::vector<FreeBits>& free, uint32_t target);

#endif
