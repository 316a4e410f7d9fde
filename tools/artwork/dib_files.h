// The 4-bit device-independent bitmap files that the resource compiler takes: .bmp and .ico.
#ifndef TARN_ARTWORK_DIB_FILES_H
#define TARN_ARTWORK_DIB_FILES_H

#include <cstdint>
#include <vector>

#include "indexed_image.h"

// A bitmap file, run-length coded (BI_RLE4): the panel is mostly flat colour and two-colour
// dither, which this stores in a fraction of the plain size. Transparency is ignored.
std::vector<uint8_t> EncodeBitmapFile(const IndexedImage& image);

// An icon file holding this one image, its transparent pixels cleared in the colour
// part and set in the mask.
std::vector<uint8_t> EncodeIconFile(const IndexedImage& image);

#endif
