// The catalogue's CRC-32: the reflected polynomial 0xEDB88320 without the inversions at
// either end, so that a file's check value is the complement of its common CRC-32.
#ifndef TARN_PAYLOAD_CRC32_H
#define TARN_PAYLOAD_CRC32_H

#include <cstddef>
#include <cstdint>

// The register value before the first byte of a file.
constexpr uint32_t CRC32_START = 0xFFFFFFFF;

// The register after the data; a length of 0 returns it unchanged. Pieces fed one after the
// other give the same register as the whole at once.
uint32_t Crc32Update(const void* data, size_t length, uint32_t crc);

#endif
