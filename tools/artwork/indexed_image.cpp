#include "indexed_image.h"

const Rgb STANDARD_PALETTE[16] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

IndexedImage::IndexedImage(int width, int height, Colour fill, bool opaque)
    : width_(width),
      height_(height),
      pixels_(static_cast<size_t>(width) * height, fill),
      opaque_(static_cast<size_t>(width) * height, opaque ? 1 : 0) {}

IndexedImage IndexedImage::Transparent(int width, int height) { return IndexedImage(width, height, BLACK, false); }

IndexedImage IndexedImage::Filled(int width, int height, Colour fill) { return IndexedImage(width, height, fill, true); }

void IndexedImage::Set(int x, int y, Colour colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[Index(x, y)] = colour;
  opaque_[Index(x, y)] = 1;
}

void IndexedImage::FillRectangle(int left, int top, int right, int bottom, Colour colour) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) Set(x, y, colour);
}
