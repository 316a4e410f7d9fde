#include "forge/crc_forcing.h"

#include "payload/crc32.h"

namespace {

struct FreeBit {
  size_t offset;
  uint8_t bit;
};

// What flipping one bit does to the final register: the linear part of the CRC of a lone
// bit followed by the rest of the content as zeros.
uint32_t EffectOf(const FreeBit& bit, size_t contentLength, const std::vector<uint8_t>& zeros) {
  const uint8_t lone = bit.bit;
  return Crc32Update(zeros.data(), contentLength - bit.offset - 1, Crc32Update(&lone, 1, 0));
}

// A basis kept in echelon form, each vector with the set of free bits that makes it.
class Elimination {
public:
  void Add(uint32_t vector, uint64_t made) {
    Reduce(vector, made);
    if (vector == 0) return;
    const int pivot = HighestBit(vector);
    pivots[pivot] = vector;
    makers[pivot] = made;
  }

  // The free bits whose effects sum to `vector`, or false.
  bool Solve(uint32_t vector, uint64_t& made) const {
    made = 0;
    Reduce(vector, made);
    return vector == 0;
  }

private:
  static int HighestBit(uint32_t v) { return 31 - __builtin_clz(v); }

  void Reduce(uint32_t& vector, uint64_t& made) const {
    for (int bit = 31; bit >= 0; --bit) {
      if ((vector >> bit & 1u) != 0 && pivots[bit] != 0) {
        vector ^= pivots[bit];
        made ^= makers[bit];
      }
    }
  }

  uint32_t pivots[32] = {};
  uint64_t makers[32] = {};
};

std::vector<FreeBit> Unpack(const std::vector<FreeBits>& free) {
  std::vector<FreeBit> bits;
  for (const FreeBits& byte : free)
    for (unsigned b = 0; b < 8; ++b)
      if ((byte.mask >> b & 1u) != 0) bits.push_back(FreeBit{byte.offset, static_cast<uint8_t>(1u << b)});
  return bits;
}

} // namespace

std::vector<FreeBits> FreeBytes(size_t offset, size_t count) {
  std::vector<FreeBits> free;
  for (size_t i = 0; i < count; ++i) free.push_back(FreeBits{offset + i, 0xFF});
  return free;
}

std::vector<FreeBits> FreeLowNibbles(size_t offset, size_t count) {
  std::vector<FreeBits> free;
  for (size_t i = 0; i < count; ++i) free.push_back(FreeBits{offset + i, 0x0F});
  return free;
}

bool ForceCrc(std::vector<uint8_t>& content, const std::vector<FreeBits>& free, uint32_t target) {
  const std::vector<FreeBit> bits = Unpack(free);
  if (bits.size() > 64) return false;
  size_t earliest = content.size();
  for (const FreeBit& bit : bits) {
    if (bit.offset >= content.size()) return false;
    if (bit.offset < earliest) earliest = bit.offset;
  }
  const std::vector<uint8_t> zeros(content.size() - earliest);
  Elimination elimination;
  for (size_t i = 0; i < bits.size(); ++i) elimination.Add(EffectOf(bits[i], content.size(), zeros), 1ull << i);
  uint64_t flips = 0;
  const uint32_t now = Crc32Update(content.data(), content.size(), CRC32_START);
  if (!elimination.Solve(now ^ target, flips)) return false;
  for (size_t i = 0; i < bits.size(); ++i)
    if ((flips >> i & 1u) != 0) content[bits[i].offset] ^= bits[i].bit;
  return true;
}
