// Filler for the stand-ins: content of a chosen compressibility, so that an SZDD image of a
// given length can be made of it. `incompressible` says how much of the region is drawn at
// random; the rest repeats and compresses well.
#ifndef TARN_FORGE_FILLER_H
#define TARN_FORGE_FILLER_H

#include <cstddef>
#include <cstdint>
#include <vector>

enum class FillerKind { BINARY, TEXT };

struct FillerRegion {
  size_t begin;
  size_t end;
  FillerKind kind;
  uint64_t seed;
};

// Binary: blocks that begin with their share of random bytes and end in zeros. Text: lines
// of words, random ones in the share asked for, the others from a small vocabulary; the
// region ends with CR LF.
void Fill(std::vector<uint8_t>& content, const FillerRegion& region, size_t incompressible);

#endif
