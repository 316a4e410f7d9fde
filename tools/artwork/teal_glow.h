// A soft light on teal, made of the standard colours by ordered dithering: pure teal at
// the rim, so that the picture blends into a teal surrounding.
#ifndef TARN_ARTWORK_TEAL_GLOW_H
#define TARN_ARTWORK_TEAL_GLOW_H

#include "indexed_image.h"

struct Glow {
  double centreX, centreY;
  double radiusX, radiusY;  // an ellipse; teal from its rim outwards
  double peak;              // share of light pixels at the centre, 0 to 1
};

// Paints the whole picture, or only the points that `inside` accepts.
void PaintGlow(IndexedImage& image, const Glow& glow, bool (*inside)(const IndexedImage&, int x, int y) = nullptr);

#endif
