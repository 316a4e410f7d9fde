#include "designs.h"
#include "open_book.h"
#include "teal_glow.h"

namespace {

// A closed book lying flat: its cover, with the page edges showing at the front.
void DrawClosedBook(IndexedImage& image, int left, int top, int width, Colour cover) {
  image.FillRectangle(left, top, left + width, top + 9, cover);
  image.FillRectangle(left + 2, top + 2, left + width - 3, top + 7, WHITE);
  for (int row = top + 3; row < top + 7; row += 2) image.FillRectangle(left + 3, row, left + width - 3, row + 1, SILVER);
}

}  // namespace

IndexedImage DrawPanel() {
  IndexedImage panel = IndexedImage::Filled(PANEL_WIDTH, PANEL_HEIGHT, TEAL);
  PaintGlow(panel, Glow{47.5, 80.0, 52.0, 84.0, 0.6});
  const OpenBook book{47, 36, 52, 5, 4, 44, 4, 2, 3, 5, NAVY};
  DrawOpenBook(panel, book);
  DrawClosedBook(panel, 12, 112, 72, MAROON);
  DrawClosedBook(panel, 9, 121, 76, NAVY);
  DrawClosedBook(panel, 14, 130, 70, OLIVE);
  return panel;
}
