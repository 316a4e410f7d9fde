// An open book seen from the front: two pages curving up from the spine, with the edges
// of the pages below them and the cover under all.
#ifndef TARN_ARTWORK_OPEN_BOOK_H
#define TARN_ARTWORK_OPEN_BOOK_H

#include "indexed_image.h"

struct OpenBook {
  int spineX;         // column of the spine
  int halfWidth;      // pixels from the spine to a page's outer edge
  int top;            // highest row of the pages
  int arch;           // how far the middle of a page rises above its edges
  int gutterDip;      // how far the pages sink into the spine
  int pageHeight;
  int stackedPages;   // page edges visible under the open pages
  int coverHeight;
  int coverOverhang;  // columns by which the cover sticks out beyond the pages
  int lineSpacing;    // rows from one line of text to the next; 0 for none
  Colour cover;
};

void DrawOpenBook(IndexedImage& image, const OpenBook& book);

#endif
