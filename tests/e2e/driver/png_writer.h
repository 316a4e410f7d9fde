// A minimal PNG encoder for screenshots: 8-bit RGB, no filtering, stored (uncompressed)
// deflate blocks. Includes no Windows header.
#ifndef TARN_E2E_PNG_WRITER_H
#define TARN_E2E_PNG_WRITER_H

#include <cstddef>
#include <cstdint>
#include <vector>

uint32_t PngCrc32(const uint8_t* data, size_t length, uint32_t crc = 0);
uint32_t Adler32(const uint8_t* data, size_t length);

// rgb holds height rows of width pixels, top row first, three bytes a pixel.
std::vector<uint8_t> EncodePng(uint32_t width, uint32_t height, const std::vector<uint8_t>& rgb);

#endif
