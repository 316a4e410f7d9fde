#include "szdd/szdd_parse.h"

#include <cstdint>

#include "szdd/szdd_format.h"

namespace {

constexpr uint32_t LITERAL_BITS = 9;
constexpr uint32_t REFERENCE_BITS = 17;

} // namespace

std::vector<SzddItem> ShortestParse(const std::vector<SzddItem>& longestMatches) {
  const size_t n = longestMatches.size();
  // bits[i]: the fewest bits that expand to the bytes from i on; chosen[i]: the first length.
  std::vector<uint32_t> bits(n + 1, 0);
  std::vector<uint8_t> chosen(n, 1);
  for (size_t i = n; i-- > 0;) {
    uint32_t best = LITERAL_BITS + bits[i + 1];
    for (size_t length = SZDD_SHORTEST_REFERENCE; length <= longestMatches[i].length; ++length) {
      const uint32_t candidate = REFERENCE_BITS + bits[i + length];
      if (candidate <= best) {
        best = candidate;
        chosen[i] = static_cast<uint8_t>(length);
      }
    }
    bits[i] = best;
  }
  std::vector<SzddItem> items;
  for (size_t i = 0; i < n; i += chosen[i])
    items.push_back(chosen[i] == 1 ? SZDD_LITERAL : SzddItem{chosen[i], longestMatches[i].distance});
  return items;
}

size_t StreamLength(const std::vector<SzddItem>& items) {
  size_t bytes = 0;
  for (const SzddItem& item : items) bytes += IsReference(item) ? 2 : 1;
  return bytes + SzddFlagBytes(items.size());
}
