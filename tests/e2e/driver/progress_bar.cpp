#include "progress_bar.h"

namespace {

const COLORREF FILL_COLOUR = RGB(0, 0, 255);

COLORREF ScreenPixel(POINT point) {
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

} // namespace

bool BarIsFull(HWND bar) {
  RECT rect;
  if (!GetWindowRect(bar, &rect)) return false;
  return ScreenPixel(POINT{rect.right - 1, (rect.top + rect.bottom) / 2}) == FILL_COLOUR;
}
