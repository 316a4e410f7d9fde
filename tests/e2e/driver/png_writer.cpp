#include "png_writer.h"

#include <algorithm>

namespace {

constexpr size_t MAX_STORED_BLOCK = 65535;

void AppendBigEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void AppendChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
  AppendBigEndian(out, static_cast<uint32_t>(data.size()));
  const size_t typeStart = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  AppendBigEndian(out, PngCrc32(out.data() + typeStart, out.size() - typeStart));
}

// Every row starts with filter type 0 (none).
std::vector<uint8_t> Scanlines(uint32_t width, uint32_t height, const std::vector<uint8_t>& rgb) {
  const size_t rowBytes = size_t{width} * 3;
  std::vector<uint8_t> lines;
  lines.reserve((rowBytes + 1) * height);
  for (uint32_t row = 0; row < height; ++row) {
    lines.push_back(0);
    lines.insert(lines.end(), rgb.begin() + row * rowBytes, rgb.begin() + (row + 1) * rowBytes);
  }
  return lines;
}

// A zlib stream of stored deflate blocks.
std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& data) {
  std::vector<uint8_t> out{0x78, 0x01};
  size_t offset = 0;
  do {
    const size_t length = std::min(MAX_STORED_BLOCK, data.size() - offset);
    const bool last = offset + length == data.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<uint8_t>(length));
    out.push_back(static_cast<uint8_t>(length >> 8));
    out.push_back(static_cast<uint8_t>(~length));
    out.push_back(static_cast<uint8_t>(~length >> 8));
    out.insert(out.end(), data.begin() + offset, data.begin() + offset + length);
    offset += length;
  } while (offset < data.size());
  AppendBigEndian(out, Adler32(data.data(), data.size()));
  return out;
}

} // namespace

uint32_t PngCrc32(const uint8_t* data, size_t length, uint32_t crc) {
  crc = ~crc;
  for (size_t i = 0; i < length; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

uint32_t Adler32(const uint8_t* data, size_t length) {
  constexpr uint32_t MODULUS = 65521;
  uint32_t a = 1;
  uint32_t b = 0;
  for (size_t i = 0; i < length; ++i) {
    a = (a + data[i]) % MODULUS;
    b = (b + a) % MODULUS;
  }
  return (b << 16) | a;
}

std::vector<uint8_t> EncodePng(uint32_t width, uint32_t height, const std::vector<uint8_t>& rgb) {
  static const uint8_t SIGNATURE[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> png(SIGNATURE, SIGNATURE + sizeof SIGNATURE);
  std::vector<uint8_t> header;
  AppendBigEndian(header, width);
  AppendBigEndian(header, height);
  header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, no interlace
  AppendChunk(png, "IHDR", header);
  AppendChunk(png, "IDAT", StoredZlib(Scanlines(width, height, rgb)));
  AppendChunk(png, "IEND", {});
  return png;
}
