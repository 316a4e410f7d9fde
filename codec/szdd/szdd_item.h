// One item of a mode A stream: a literal byte or a reference back into the window.
#ifndef TARN_SZDD_SZDD_ITEM_H
#define TARN_SZDD_SZDD_ITEM_H

#include <cstdint>

struct SzddItem {
  uint16_t length;   // bytes expanded: 1 for a literal, 3 to 18 for a reference
  uint16_t distance; // 0 for a literal; else how far back the copy starts, 1 to 4096
};

constexpr SzddItem SZDD_LITERAL = {1, 0};

inline bool IsReference(const SzddItem& item) { return item.distance != 0; }

inline bool operator==(const SzddItem& a, const SzddItem& b) {
  return a.length == b.length && a.distance == b.distance;
}

#endif
