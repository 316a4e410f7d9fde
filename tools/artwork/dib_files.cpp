#include "dib_files.h"

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
void WriteInfoHeaderAndPalette(ByteWriter& out, const IndexedImage& image, int heightFactor, uint32_t imageBytes) {
  out.Dword(INFO_HEADER_SIZE);
  out.Dword(image.Width());
  out.Dword(image.Height() * heightFactor);
  out.Word(1);   // planes
  out.Word(4);   // bits per pixel
  out.Dword(0);  // BI_RGB
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
  const uint32_t pixelOffset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + PALETTE_SIZE;
  out.Byte('B');
  out.Byte('M');
  out.Dword(pixelOffset + ColourBytes(image));
  out.Dword(0);
  out.Dword(pixelOffset);
  WriteInfoHeaderAndPalette(out, image, 1, ColourBytes(image));
  WriteColourRows(file, image);
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
  WriteInfoHeaderAndPalette(out, image, 2, imageBytes);
  WriteColourRows(file, image);
  WriteMaskRows(file, image);
  return file;
}
