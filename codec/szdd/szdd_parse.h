// Choosing the items of a mode A stream: the shortest parse, and a parse lengthened to an
// exact stream length.
#ifndef TARN_SZDD_SZDD_PARSE_H
#define TARN_SZDD_SZDD_PARSE_H

#include <cstddef>
#include <vector>

#include "szdd/szdd_item.h"

// The parse of fewest bits (a literal 9, a reference 17) over the longest matches of
// FindLongestMatches, found backwards from the end.
std::vector<SzddItem> ShortestParse(const std::vector<SzddItem>& longestMatches);

// Bytes of the stream that the items make: their bytes and a flag byte for every eight.
size_t StreamLength(const std::vector<SzddItem>& items);

// Turns references into literals (and at most one into two references) until the stream is
// exactly streamLength bytes. False, items unchanged, when no such parse is found: the
// stream is longer already, or too few references are left to lengthen.
bool LengthenParse(std::vector<SzddItem>& items, size_t streamLength);

#endif
