// A picture in the sixteen standard colours of a 4-bit display, one palette index per pixel.
#ifndef TARN_ARTWORK_INDEXED_IMAGE_H
#define TARN_ARTWORK_INDEXED_IMAGE_H

#include <cstddef>
#include <cstdint>
#include <vector>

// Palette indices in the order of the standard 16-colour palette.
enum Colour : uint8_t {
  BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
  GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE,
};

struct Rgb {
  uint8_t red, green, blue;
};

extern const Rgb STANDARD_PALETTE[16];

class IndexedImage {
 public:
  // An icon starts transparent, a bitmap filled with one colour.
  static IndexedImage Transparent(int width, int height);
  static IndexedImage Filled(int width, int height, Colour fill);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Colour At(int x, int y) const { return static_cast<Colour>(pixels_[Index(x, y)]); }
  bool Opaque(int x, int y) const { return opaque_[Index(x, y)] != 0; }

  // Points outside the picture are ignored, so that shapes may overhang its edges.
  void Set(int x, int y, Colour colour);
  void FillRectangle(int left, int top, int right, int bottom, Colour colour);  // right and bottom excluded

 private:
  IndexedImage(int width, int height, Colour fill, bool opaque);
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_;
  int height_;
  std::vector<uint8_t> pixels_;  // rows top-down
  std::vector<uint8_t> opaque_;  // 0 where an icon lets the desktop show through
};

#endif
