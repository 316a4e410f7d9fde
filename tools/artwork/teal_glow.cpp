#include "teal_glow.h"

#include <cmath>

namespace {

// The 4 x 4 Bayer matrix: thresholds spread evenly, so that any share gives an even pattern.
const int BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

double LightShare(const Glow& glow, int x, int y) {
  const double dx = (x + 0.5 - glow.centreX) / glow.radiusX;
  const double dy = (y + 0.5 - glow.centreY) / glow.radiusY;
  const double distance = std::sqrt(dx * dx + dy * dy);
  if (distance >= 1.0) return 0.0;
  const double falloff = 1.0 - distance;
  return glow.peak * falloff * falloff * (3.0 - 2.0 * falloff);  // smooth at both ends
}

}  // namespace

void PaintGlow(IndexedImage& image, const Glow& glow, bool (*inside)(const IndexedImage&, int x, int y)) {
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      if (inside != nullptr && !inside(image, x, y)) continue;
      const double threshold = (BAYER[y % 4][x % 4] + 0.5) / 16.0;
      image.Set(x, y, LightShare(glow, x, y) > threshold ? AQUA : TEAL);
    }
}
