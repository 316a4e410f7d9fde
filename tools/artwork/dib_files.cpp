#include "dib_files.h"

#include <algorithm>

namespace {

const uint32_t INFO_HEADER_SIZE = 40;
const uint32_t PALETTE_SIZE = 16 * 4;
const uint32_t FILE_HEADER_SIZE = 14;
const uint32_t ICON_DIRECTORY_SIZE = 6 + 16;

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}
  void Byte(uint32_t value) { out_.push_back(static_cast<uint8_t>(value)); }
  void Word(uint32_t value) {
    Byte(value);
    Byte(value >> 8);
  }
  void Dword(uint32_t value) {
    Word(value);
    Word(value >> 16);
  }

 private:
  std::vector<uint8_t>& out_;
};

// Rows of a DIB are padded to whole 32-bit words.
uint32_t RowBytes(int width, int bitsPerPixel) { return ((static_cast<uint32_t>(width) * bitsPerPixel + 31) / 32) * 4; }

uint32_t ColourBytes(const IndexedImage& image) { return RowBytes(image.Width(), 4) * image.Height(); }

uint32_t MaskBytes(const IndexedImage& image) { return RowBytes(image.Width(), 1) * image.Height(); }

// An icon's header counts the colour image and the mask together, hence its doubled height.
void WriteInfoHeaderAndPalette(ByteWriter& out, const IndexedImage& image, int heightFactor, uint32_t compression,
                               uint32_t imageBytes) {
  out.Dword(INFO_HEADER_SIZE);
  out.Dword(image.Width());
  out.Dword(image.Height() * heightFactor);
  out.Word(1);   // planes
  out.Word(4);   // bits per pixel
  out.Dword(compression);
  out.Dword(imageBytes);
  out.Dword(0);  // no preferred resolution
  out.Dword(0);
  out.Dword(16);  // colours used
  out.Dword(0);   // all of them important
  for (const Rgb& colour : STANDARD_PALETTE) {
    out.Byte(colour.blue);
    out.Byte(colour.green);
    out.Byte(colour.red);
    out.Byte(0);
  }
}

const uint32_t BI_RGB = 0, BI_RLE4 = 2;

// Run-length codes: a count of pixels and a byte whose two colours alternate over them, or an
// escape (a zero count) followed by one of these, or by a count of pixels stored as they are.
const uint8_t ESCAPE = 0, END_OF_LINE = 0, END_OF_BITMAP = 1, SHORTEST_LITERAL = 3;
const int LONGEST_RUN = 255;

// Bytes of a literal of this many pixels: escape, count, the pixels padded to a 16-bit word.
uint32_t LiteralBytes(int pixels) { return 2 + 2 * static_cast<uint32_t>((pixels + 3) / 4); }

// One row, bottom-up, as the fewest bytes of run-length codes (without the row's end code):
// cheapest[x] is the fewest bytes that code the first x pixels, taken over every run and
// literal that could end there.
void WriteRle4Row(std::vector<uint8_t>& out, const IndexedImage& image, int y) {
  const int width = image.Width();
  auto pixel = [&](int x) { return static_cast<uint8_t>(image.At(x, y)); };
  std::vector<uint32_t> cheapest(width + 1, UINT32_MAX);
  std::vector<int> codeStart(width + 1, 0);
  std::vector<bool> literal(width + 1, false);
  cheapest[0] = 0;
  for (int start = 0; start < width; ++start) {
    const int longest = std::min(LONGEST_RUN, width - start);
    // Runs of two alternating colours: they end where the alternation breaks.
    for (int length = 1; length <= longest; ++length) {
      if (length >= 3 && pixel(start + length - 1) != pixel(start + length - 3)) break;
      if (cheapest[start] + 2 < cheapest[start + length]) {
        cheapest[start + length] = cheapest[start] + 2;
        codeStart[start + length] = start;
        literal[start + length] = false;
      }
    }
    for (int length = SHORTEST_LITERAL; length <= longest; ++length) {
      if (cheapest[start] + LiteralBytes(length) < cheapest[start + length]) {
        cheapest[start + length] = cheapest[start] + LiteralBytes(length);
        codeStart[start + length] = start;
        literal[start + length] = true;
      }
    }
  }
  std::vector<int> ends;
  for (int end = width; end > 0; end = codeStart[end]) ends.push_back(end);
  std::reverse(ends.begin(), ends.end());
  int start = 0;
  for (int end : ends) {
    const int length = end - start;
    if (literal[end]) {
      out.push_back(ESCAPE);
      out.push_back(static_cast<uint8_t>(length));
      const size_t first = out.size();
      out.resize(first + LiteralBytes(length) - 2, 0);
      for (int x = 0; x < length; ++x)
        out[first + x / 2] |= (x % 2 == 0) ? static_cast<uint8_t>(pixel(start + x) << 4) : pixel(start + x);
    } else {
      const uint8_t second = length > 1 ? pixel(start + 1) : 0;
      out.push_back(static_cast<uint8_t>(length));
      out.push_back(static_cast<uint8_t>(pixel(start) << 4 | second));
    }
    start = end;
  }
}

// The whole picture, bottom-up, each row closed by its end code and the last by the bitmap's.
std::vector<uint8_t> Rle4Pixels(const IndexedImage& image) {
  std::vector<uint8_t> pixels;
  for (int y = image.Height() - 1; y >= 0; --y) {
    WriteRle4Row(pixels, image, y);
    pixels.push_back(ESCAPE);
    pixels.push_back(y == 0 ? END_OF_BITMAP : END_OF_LINE);
  }
  return pixels;
}

// Rows bottom-up, two pixels a byte, the left one in the high nibble.
void WriteColourRows(std::vector<uint8_t>& out, const IndexedImage& image) {
  for (int y = image.Height() - 1; y >= 0; --y) {
    std::vector<uint8_t> row(RowBytes(image.Width(), 4), 0);
    for (int x = 0; x < image.Width(); ++x) {
      const uint8_t index = image.Opaque(x, y) ? image.At(x, y) : BLACK;
      row[x / 2] |= (x % 2 == 0) ? static_cast<uint8_t>(index << 4) : index;
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

// A set mask bit lets the screen show through.
void WriteMaskRows(std::vector<uint8_t>& out, const IndexedImage& image) {
  for (int y = image.Height() - 1; y >= 0; --y) {
    std::vector<uint8_t> row(RowBytes(image.Width(), 1), 0);
    for (int x = 0; x < image.Width(); ++x)
      if (!image.Opaque(x, y)) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace

std::vector<uint8_t> EncodeBitmapFile(const IndexedImage& image) {
  std::vector<uint8_t> file;
  ByteWriter out(file);
  const std::vector<uint8_t> pixels = Rle4Pixels(image);
  const uint32_t pixelOffset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + PALETTE_SIZE;
  out.Byte('B');
  out.Byte('M');
  out.Dword(pixelOffset + static_cast<uint32_t>(pixels.size()));
  out.Dword(0);
  out.Dword(pixelOffset);
  WriteInfoHeaderAndPalette(out, image, 1, BI_RLE4, static_cast<uint32_t>(pixels.size()));
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

std::vector<uint8_t> EncodeIconFile(const IndexedImage& image) {
  std::vector<uint8_t> file;
  ByteWriter out(file);
  const uint32_t imageBytes = ColourBytes(image) + MaskBytes(image);
  out.Word(0);  // reserved
  out.Word(1);  // icon
  out.Word(1);  // one image
  out.Byte(image.Width());
  out.Byte(image.Height());
  out.Byte(16);  // colours
  out.Byte(0);
  out.Word(1);  // planes
  out.Word(4);  // bits per pixel
  out.Dword(INFO_HEADER_SIZE + PALETTE_SIZE + imageBytes);
  out.Dword(ICON_DIRECTORY_SIZE);
  WriteInfoHeaderAndPalette(out, image, 2, BI_RGB, imageBytes);
  WriteColourRows(file, image);
  WriteMaskRows(file, image);
  return file;
}
