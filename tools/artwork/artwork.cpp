// Draws the Installer's own artwork: the frame's bitmap panel (95 x 174) and its two icons
// (32 x 32 and 16 x 16), all in the 16 standard colours, as BMP and ICO files.
//   artwork OUTPUT_DIR  ->  panel.bmp, frame-large.ico, frame-small.ico
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The 16 standard colours, in palette order.
const uint8_t PALETTE[16][3] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
enum Colour : uint8_t { BLACK = 0, MAROON = 1, NAVY = 4, TEAL = 6, SILVER = 7, GREY = 8, CYAN = 14, WHITE = 15, NONE = 255 };

struct Image {
  int width, height;
  std::vector<uint8_t> pixels; // palette indices, top row first; NONE is transparent
  Image(int w, int h, uint8_t fill) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
  void Set(int x, int y, uint8_t colour) {
    if (x >= 0 && y >= 0 && x < width && y < height) pixels[static_cast<size_t>(y) * width + x] = colour;
  }
  uint8_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  void Fill(int x0, int y0, int x1, int y1, uint8_t colour) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) Set(x, y, colour);
  }
};

// An open book seen from the front: two pages with text lines and a spine, scaled to the box.
void DrawOpenBook(Image& image, int left, int top, int width, int height) {
  const int middle = left + width / 2;
  const int bottom = top + height - 1;
  for (int x = left; x < left + width; ++x) {
    // The pages sag towards the spine.
    const int sag = (x < middle ? middle - x : x - middle) * height / (4 * width);
    for (int y = top + height / 4 - sag; y <= bottom - sag; ++y) image.Set(x, y, WHITE);
    image.Set(x, bottom - sag + 1, GREY);
    image.Set(x, top + height / 4 - sag - 1, GREY);
  }
  for (int y = top; y <= bottom + 1; ++y) image.Set(middle, y, NAVY);
  const int lineGap = height >= 24 ? 3 : 2;
  for (int y = top + height / 4 + lineGap; y < bottom - lineGap; y += lineGap)
    for (int x = left + 2; x < left + width - 2; ++x)
      if (x < middle - 1 || x > middle + 1) {
        const int sag = (x < middle ? middle - x : x - middle) * height / (4 * width);
        image.Set(x, y - sag, SILVER);
      }
}

Image Panel() {
  Image panel(95, 174, TEAL);
  // A lighter band of checkered cyan fading into the teal, for depth.
  for (int y = 0; y < 174; ++y)
    for (int x = 0; x < 95; ++x)
      if (y < 60 && ((x + y) % 2 == 0) && (y < 30 || (x * 7 + y * 3) % 5 == 0)) panel.Set(x, y, CYAN);
  // A shelf of three books under the open one.
  const uint8_t spines[3] = {MAROON, NAVY, SILVER};
  for (int i = 0; i < 3; ++i) {
    const int top = 128 + i * 12;
    panel.Fill(14 + i * 3, top, 80 - i * 2, top + 9, spines[i]);
    panel.Fill(14 + i * 3, top, 80 - i * 2, top, BLACK);
    panel.Fill(18 + i * 3, top + 4, 76 - i * 2, top + 5, i == 2 ? GREY : WHITE);
  }
  DrawOpenBook(panel, 12, 70, 71, 52);
  return panel;
}

Image Icon(int size) {
  Image icon(size, size, NONE);
  icon.Fill(0, size - size / 4, size - 1, size - 1, TEAL);
  DrawOpenBook(icon, 0, size / 8, size, size - size / 4);
  return icon;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// BITMAPINFOHEADER, palette and 4-bit rows bottom-up; the icon form doubles the height and
// appends the AND mask.
std::vector<uint8_t> DeviceIndependentBitmap(const Image& image, bool withMask) {
  std::vector<uint8_t> out;
  const int rowBytes = ((image.width + 7) / 8) * 4;
  const int maskRowBytes = ((image.width + 31) / 32) * 4;
  const uint32_t colourBytes = static_cast<uint32_t>(rowBytes * image.height);
  const uint32_t maskBytes = withMask ? static_cast<uint32_t>(maskRowBytes * image.height) : 0;
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(image.width));
  Put32(out, static_cast<uint32_t>(withMask ? image.height * 2 : image.height));
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);
  Put32(out, colourBytes + maskBytes);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 16);
  Put32(out, 0);
  for (const auto& colour : PALETTE) {
    out.push_back(colour[2]);
    out.push_back(colour[1]);
    out.push_back(colour[0]);
    out.push_back(0);
  }
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(static_cast<size_t>(rowBytes), 0);
    for (int x = 0; x < image.width; ++x) {
      const uint8_t c = image.At(x, y) == NONE ? BLACK : image.At(x, y);
      row[static_cast<size_t>(x / 2)] |= static_cast<uint8_t>(x % 2 == 0 ? c << 4 : c);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  if (withMask) {
    for (int y = image.height - 1; y >= 0; --y) {
      std::vector<uint8_t> row(static_cast<size_t>(maskRowBytes), 0);
      for (int x = 0; x < image.width; ++x)
        if (image.At(x, y) == NONE) row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
      out.insert(out.end(), row.begin(), row.end());
    }
  }
  return out;
}

std::vector<uint8_t> BmpFile(const Image& image) {
  const std::vector<uint8_t> dib = DeviceIndependentBitmap(image, false);
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<uint32_t>(14 + dib.size()));
  Put32(out, 0);
  Put32(out, 14 + 40 + 16 * 4);
  out.insert(out.end(), dib.begin(), dib.end());
  return out;
}

std::vector<uint8_t> IcoFile(const Image& image) {
  const std::vector<uint8_t> dib = DeviceIndependentBitmap(image, true);
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  out.push_back(static_cast<uint8_t>(image.width));
  out.push_back(static_cast<uint8_t>(image.height));
  out.push_back(16);
  out.push_back(0);
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, static_cast<uint32_t>(dib.size()));
  Put32(out, 6 + 16);
  out.insert(out.end(), dib.begin(), dib.end());
  return out;
}

bool Write(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: artwork OUTPUT_DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  if (!Write(dir + "/panel.bmp", BmpFile(Panel())) || !Write(dir + "/frame-large.ico", IcoFile(Icon(32))) ||
      !Write(dir + "/frame-small.ico", IcoFile(Icon(16)))) {
    std::fprintf(stderr, "artwork: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
