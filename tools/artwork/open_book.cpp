#include "open_book.h"

#include <cmath>
#include <cstdlib>

namespace {

// 0 at the spine, 1 at a page's outer edge.
double Across(const OpenBook& book, int x) {
  const double t = std::abs(x - book.spineX) / static_cast<double>(book.halfWidth);
  return t > 1.0 ? 1.0 : t;
}

int PageTop(const OpenBook& book, int x) {
  const double t = Across(book, x);
  const double rise = book.arch * 4.0 * t * (1.0 - t);
  const double dip = book.gutterDip * std::pow(1.0 - t, 4.0);
  return book.top + static_cast<int>(std::lround(book.arch - rise + dip));
}

// Every fourth line ends a paragraph and stops short; a reader starts at the outer edge
// of the left page and at the spine of the right one.
bool CarriesText(const OpenBook& book, int x, int line) {
  const double margin = 0.14;
  const double t = Across(book, x);
  if (t < margin || t > 1.0 - margin) return false;
  const double reach = (line % 4 == 3) ? 0.55 : 1.0;
  const double read = (x < book.spineX ? (1.0 - margin - t) : (t - margin)) / (1.0 - 2.0 * margin);
  return read <= reach;
}

void DrawPageColumn(IndexedImage& image, const OpenBook& book, int x) {
  const int top = PageTop(book, x);
  const bool edge = std::abs(x - book.spineX) == book.halfWidth || x == book.spineX;
  const bool shaded = Across(book, x) < 0.1;
  image.Set(x, top, GREY);
  for (int row = 1; row < book.pageHeight; ++row) image.Set(x, top + row, edge ? GREY : (shaded ? SILVER : WHITE));
  if (book.lineSpacing > 0 && !edge)
    for (int line = 0, row = book.lineSpacing; row < book.pageHeight - book.lineSpacing / 2; ++line, row += book.lineSpacing)
      if (CarriesText(book, x, line)) image.Set(x, top + row, shaded ? GREY : SILVER);
  for (int page = 0; page < book.stackedPages; ++page)
    image.Set(x, top + book.pageHeight + page, page % 2 == 0 ? SILVER : WHITE);
}

void DrawCoverColumn(IndexedImage& image, const OpenBook& book, int x) {
  const int below = PageTop(book, x) + book.pageHeight + book.stackedPages;
  for (int row = 0; row < book.coverHeight; ++row) image.Set(x, below + row, book.cover);
}

}  // namespace

void DrawOpenBook(IndexedImage& image, const OpenBook& book) {
  const int reach = book.halfWidth + book.coverOverhang;
  for (int x = book.spineX - reach; x <= book.spineX + reach; ++x) {
    if (std::abs(x - book.spineX) <= book.halfWidth) DrawPageColumn(image, book, x);
    DrawCoverColumn(image, book, x);
  }
}
