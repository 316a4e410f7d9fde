// The longest reference that the window offers at every position of a content.
#ifndef TARN_SZDD_SZDD_MATCHES_H
#define TARN_SZDD_SZDD_MATCHES_H

#include <cstddef>
#include <vector>

#include "szdd/szdd_item.h"

// Entry i: the longest reference (at most 18 bytes, at most to the end) that expands to the
// bytes from i on, the window's initial spaces included; a literal where none of 3 bytes
// exists. Any shorter length at the same distance is a reference too.
std::vector<SzddItem> FindLongestMatches(const uint8_t* content, size_t length);

#endif
