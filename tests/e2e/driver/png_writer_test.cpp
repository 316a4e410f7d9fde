// The screenshot encoder against the published check values and a reader of its own.
#include "png_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

const uint8_t* Bytes(const char* text) { return reinterpret_cast<const uint8_t*>(text); }

uint32_t BigEndianAt(const std::vector<uint8_t>& bytes, size_t offset) {
  return uint32_t{bytes[offset]} << 24 | uint32_t{bytes[offset + 1]} << 16 | uint32_t{bytes[offset + 2]} << 8 |
         bytes[offset + 3];
}

// The chunks of a PNG by type; fails the test when a chunk's CRC is wrong.
std::map<std::string, std::vector<uint8_t>> Chunks(const std::vector<uint8_t>& png) {
  std::map<std::string, std::vector<uint8_t>> chunks;
  size_t offset = 8;
  while (offset + 12 <= png.size()) {
    const uint32_t length = BigEndianAt(png, offset);
    const std::string type(png.begin() + offset + 4, png.begin() + offset + 8);
    EXPECT_EQ(BigEndianAt(png, offset + 8 + length), PngCrc32(png.data() + offset + 4, length + 4)) << type;
    chunks[type].assign(png.begin() + offset + 8, png.begin() + offset + 8 + length);
    offset += 12 + length;
  }
  EXPECT_EQ(offset, png.size());
  return chunks;
}

// Undoes a zlib stream that holds stored blocks only; fails the test on anything else.
std::vector<uint8_t> InflateStored(const std::vector<uint8_t>& zlib) {
  EXPECT_EQ(0, (zlib[0] << 8 | zlib[1]) % 31) << "zlib header check";
  std::vector<uint8_t> data;
  size_t offset = 2;
  bool last = false;
  while (!last && offset + 5 <= zlib.size()) {
    last = zlib[offset] & 1;
    EXPECT_EQ(0, zlib[offset] >> 1) << "stored block type";
    const size_t length = zlib[offset + 1] | zlib[offset + 2] << 8;
    EXPECT_EQ(0xFFFFu, length ^ (zlib[offset + 3] | zlib[offset + 4] << 8));
    data.insert(data.end(), zlib.begin() + offset + 5, zlib.begin() + offset + 5 + length);
    offset += 5 + length;
  }
  EXPECT_TRUE(last);
  EXPECT_EQ(offset + 4, zlib.size());
  EXPECT_EQ(BigEndianAt(zlib, offset), Adler32(data.data(), data.size()));
  return data;
}

std::vector<uint8_t> Gradient(uint32_t width, uint32_t height) {
  std::vector<uint8_t> rgb(size_t{width} * height * 3);
  for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>(i * 7 + i / 251);
  return rgb;
}

} // namespace

TEST(PngWriter, ChecksumsMatchPublishedValues) {
  EXPECT_EQ(0xCBF43926u, PngCrc32(Bytes("123456789"), 9));
  EXPECT_EQ(0xAE426082u, PngCrc32(Bytes("IEND"), 4));
  EXPECT_EQ(0x11E60398u, Adler32(Bytes("Wikipedia"), 9));
  EXPECT_EQ(1u, Adler32(nullptr, 0));
}

TEST(PngWriter, CrcContinuesAcrossPieces) {
  EXPECT_EQ(PngCrc32(Bytes("123456789"), 9), PngCrc32(Bytes("6789"), 4, PngCrc32(Bytes("12345"), 5)));
}

// 200 x 150 pixels need more than one stored block (at most 65535 bytes each).
TEST(PngWriter, ImageSpanningSeveralBlocksReadsBackRowByRow) {
  const uint32_t width = 200;
  const uint32_t height = 150;
  const std::vector<uint8_t> rgb = Gradient(width, height);
  const std::vector<uint8_t> png = EncodePng(width, height, rgb);

  ASSERT_EQ(0, std::memcmp(png.data(), "\x89PNG\r\n\x1A\n", 8));
  auto chunks = Chunks(png);
  ASSERT_EQ(3u, chunks.size());
  const std::vector<uint8_t> header = chunks["IHDR"];
  ASSERT_EQ(13u, header.size());
  EXPECT_EQ(width, BigEndianAt(header, 0));
  EXPECT_EQ(height, BigEndianAt(header, 4));
  EXPECT_EQ((std::vector<uint8_t>{8, 2, 0, 0, 0}), std::vector<uint8_t>(header.begin() + 8, header.end()));
  EXPECT_TRUE(chunks["IEND"].empty());

  const std::vector<uint8_t> lines = InflateStored(chunks["IDAT"]);
  const size_t rowBytes = width * 3;
  ASSERT_EQ((rowBytes + 1) * height, lines.size());
  for (uint32_t row = 0; row < height; ++row) {
    ASSERT_EQ(0, lines[row * (rowBytes + 1)]) << "filter of row " << row;
    ASSERT_TRUE(std::equal(rgb.begin() + row * rowBytes, rgb.begin() + (row + 1) * rowBytes,
                           lines.begin() + row * (rowBytes + 1) + 1))
        << "row " << row;
  }
}

TEST(PngWriter, OnePixelImageIsOneFinalBlock) {
  const std::vector<uint8_t> png = EncodePng(1, 1, {10, 20, 30});
  EXPECT_EQ((std::vector<uint8_t>{0, 10, 20, 30}), InflateStored(Chunks(png)["IDAT"]));
}
