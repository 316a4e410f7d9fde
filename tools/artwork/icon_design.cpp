#include "designs.h"
#include "open_book.h"
#include "teal_glow.h"

namespace {

bool InsideDisc(const IndexedImage& image, int x, int y) {
  const double radius = image.Width() / 2.0;
  const double dx = x + 0.5 - radius;
  const double dy = y + 0.5 - radius;
  return dx * dx + dy * dy <= radius * radius;
}

}  // namespace

IndexedImage DrawIcon(int size) {
  IndexedImage icon = IndexedImage::Transparent(size, size);
  const double half = size / 2.0;
  PaintGlow(icon, Glow{half, half * 0.8, half, half, 0.55}, InsideDisc);
  const OpenBook large{15, 14, 8, 2, 2, 13, 2, 1, 1, 3, NAVY};
  const OpenBook small{7, 7, 4, 1, 1, 7, 1, 1, 0, 0, NAVY};
  DrawOpenBook(icon, size >= 32 ? large : small);
  return icon;
}
