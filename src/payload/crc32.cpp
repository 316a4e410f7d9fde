#include "payload/crc32.h"

namespace {

// Built on first use rather than stored: zero-initialised, it costs setup.exe no file bytes.
uint32_t table[256];

// Entry n is n after eight steps of a shift right, XORed with 0xEDB88320 when a 1 fell out.
const uint32_t* Table() {
  // Entry 1 is never zero once built.
  if (table[1] != 0) return table;
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t entry = n;
    for (int step = 0; step < 8; ++step) entry = (entry & 1) != 0 ? (entry >> 1) ^ 0xEDB88320u : entry >> 1;
    table[n] = entry;
  }
  return table;
}

} // namespace

uint32_t Crc32Update(const void* data, size_t length, uint32_t crc) {
  const uint32_t* entries = Table();
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < length; ++i) crc = entries[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}
