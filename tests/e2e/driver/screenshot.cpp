#include "screenshot.h"

#include <vector>

#include "png_writer.h"
#include "whole_file.h"

namespace {

// The screen's pixels inside the rectangle, as 24-bit RGB rows from the top.
std::vector<uint8_t> CaptureScreenRgb(const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height; // top-down
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<uint8_t> rgb;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (memory != nullptr && bitmap != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY)) {
      const auto* bgrx = static_cast<const uint8_t*>(bits);
      rgb.reserve(size_t(width) * height * 3);
      for (size_t pixel = 0; pixel < size_t(width) * height; ++pixel)
        rgb.insert(rgb.end(), {bgrx[pixel * 4 + 2], bgrx[pixel * 4 + 1], bgrx[pixel * 4]});
    }
    SelectObject(memory, previous);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (memory != nullptr) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return rgb;
}

void CreateFolders(const std::string& path) {
  for (size_t separator = path.find_first_of("\\/", 3); separator != std::string::npos;
       separator = path.find_first_of("\\/", separator + 1))
    CreateDirectoryA(path.substr(0, separator).c_str(), nullptr);
}

} // namespace

bool SaveWindowPng(HWND window, const std::string& path) {
  RECT rect;
  if (!GetWindowRect(window, &rect) || rect.right <= rect.left || rect.bottom <= rect.top) return false;
  const std::vector<uint8_t> rgb = CaptureScreenRgb(rect);
  if (rgb.empty()) return false;
  CreateFolders(path);
  const std::vector<uint8_t> png = EncodePng(rect.right - rect.left, rect.bottom - rect.top, rgb);
  return WriteWholeFile(path, std::string(png.begin(), png.end()));
}
