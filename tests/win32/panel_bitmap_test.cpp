// The side panel as GDI decodes it from setup.exe's resources: the picture that the artwork
// program draws, pixel for pixel, whatever coding the stored bitmap uses.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "designs.h"
#include "resource_ids.h"

TEST(PanelBitmap, LoadsAsTheDrawnPicture) {
  const IndexedImage drawn = DrawPanel();
  const int width = drawn.Width(), height = drawn.Height();
  HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_PANEL));
  ASSERT_NE(bitmap, nullptr);
  BITMAP size;
  ASSERT_NE(GetObjectA(bitmap, sizeof size, &size), 0);
  EXPECT_EQ(size.bmWidth, width);
  EXPECT_EQ(size.bmHeight, height);

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top-down, as the drawing has them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  ASSERT_EQ(rows, height);

  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb& colour = STANDARD_PALETTE[drawn.At(x, y)];
      const uint32_t expected = colour.red << 16 | colour.green << 8 | colour.blue;
      ASSERT_EQ(pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF, expected) << x << ", " << y;
    }
  }
}
