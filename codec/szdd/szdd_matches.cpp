#include "szdd/szdd_matches.h"

#include <algorithm>
#include <cstdint>

#include "szdd/szdd_format.h"

namespace {

// Nodes live in a ring larger than the window, so that the node leaving the window and the
// one entering it never share a slot; a node's position follows from its slot and `at`.
constexpr uint32_t RING_SIZE = 2 * SZDD_WINDOW_SIZE;
constexpr uint32_t RING_MASK = RING_SIZE - 1;
// One tree per value of the first two bytes; its root hangs as the right child of a
// pseudo-node past the ring.
constexpr uint32_t TREE_COUNT = 1u << 16;
constexpr uint32_t ROOTED_BYTES = 2;
constexpr int32_t NIL = -1;

// A binary search tree, ordered by the 18 bytes from each position, of every position in
// the window. The search for the newest position walks past its nearest neighbours in that
// order, which hold its longest match, and leaves it in the tree in their place. The
// window's initial spaces stand before the content, so that a reference into them is found
// like any other.
class MatchTree {
public:
  MatchTree(const uint8_t* content, size_t length)
      : contentLength(length), textBytes(SZDD_WINDOW_SIZE + length + SZDD_LONGEST_REFERENCE, 0),
        links(3 * (RING_SIZE + TREE_COUNT), NIL), text(textBytes.data()), smaller(links.data()),
        larger(smaller + RING_SIZE + TREE_COUNT), parent(larger + RING_SIZE + TREE_COUNT) {
    std::fill(text, text + SZDD_WINDOW_SIZE, SZDD_WINDOW_FILL);
    std::copy(content, content + length, text + SZDD_WINDOW_SIZE);
  }

  std::vector<SzddItem> Run() {
    std::vector<SzddItem> matches;
    matches.reserve(contentLength);
    for (size_t at = 0; at < SZDD_WINDOW_SIZE; ++at) InsertAndFind(at);
    for (size_t at = SZDD_WINDOW_SIZE; at < SZDD_WINDOW_SIZE + contentLength; ++at) {
      if (at > SZDD_WINDOW_SIZE) Remove(at - SZDD_WINDOW_SIZE - 1);
      matches.push_back(Clamped(InsertAndFind(at), at));
    }
    return matches;
  }

private:
  static int32_t Slot(size_t position) { return static_cast<int32_t>(position & RING_MASK); }
  static size_t PositionOf(int32_t slot, size_t at) { return at - ((at - static_cast<size_t>(slot)) & RING_MASK); }

  SzddItem Clamped(SzddItem match, size_t at) const {
    const size_t rest = SZDD_WINDOW_SIZE + contentLength - at;
    if (match.length > rest) match.length = static_cast<uint16_t>(rest);
    return match.length >= SZDD_SHORTEST_REFERENCE ? match : SZDD_LITERAL;
  }

  // Bytes from ROOTED_BYTES on that both positions share, and the sign of the first that differs.
  int Compare(size_t a, size_t b, size_t& common) const {
    common = ROOTED_BYTES;
    while (common < SZDD_LONGEST_REFERENCE && text[a + common] == text[b + common]) ++common;
    return common == SZDD_LONGEST_REFERENCE ? 0 : text[a + common] < text[b + common] ? -1 : 1;
  }

  void Hang(int32_t node, int32_t under, bool onLargerSide) {
    (onLargerSide ? larger : smaller)[under] = node;
    parent[node] = under;
  }

  void SetParent(int32_t node, int32_t to) {
    if (node != NIL) parent[node] = to;
  }

  // Puts whatever hung from `old`'s parent in its place: `replacement`.
  void Replace(int32_t old, int32_t replacement) {
    const int32_t above = parent[old];
    (larger[above] == old ? larger : smaller)[above] = replacement;
    SetParent(replacement, above);
    parent[old] = NIL;
  }

  // The longest match of the position among the tree's, which it then joins.
  SzddItem InsertAndFind(size_t at) {
    const int32_t node = Slot(at);
    smaller[node] = larger[node] = NIL;
    SzddItem best = SZDD_LITERAL;
    int32_t under = static_cast<int32_t>(RING_SIZE + (text[at] | (text[at + 1] << 8)));
    bool onLargerSide = true;
    for (;;) {
      const int32_t next = (onLargerSide ? larger : smaller)[under];
      if (next == NIL) {
        Hang(node, under, onLargerSide);
        return best;
      }
      under = next;
      const size_t from = PositionOf(under, at);
      size_t common = 0;
      const int order = Compare(at, from, common);
      if (common > best.length) best = SzddItem{static_cast<uint16_t>(common), static_cast<uint16_t>(at - from)};
      if (order == 0) break;
      onLargerSide = order > 0;
    }
    // The same 18 bytes, further back: the newer position takes the older one's place.
    smaller[node] = smaller[under];
    larger[node] = larger[under];
    SetParent(smaller[node], node);
    SetParent(larger[node], node);
    Replace(under, node);
    return best;
  }

  // Takes the position out of the tree when it is still there.
  void Remove(size_t position) {
    const int32_t node = Slot(position);
    if (parent[node] == NIL) return;
    int32_t heir;
    if (larger[node] == NIL) {
      heir = smaller[node];
    } else if (smaller[node] == NIL) {
      heir = larger[node];
    } else {
      heir = TakeLargest(node);
      larger[heir] = larger[node];
      SetParent(larger[node], heir);
    }
    Replace(node, heir);
  }

  // The largest of the node's smaller subtree, detached and given that subtree (less itself).
  int32_t TakeLargest(int32_t node) {
    int32_t heir = smaller[node];
    if (larger[heir] == NIL) return heir;
    while (larger[heir] != NIL) heir = larger[heir];
    larger[parent[heir]] = smaller[heir];
    SetParent(smaller[heir], parent[heir]);
    smaller[heir] = smaller[node];
    SetParent(smaller[node], heir);
    return heir;
  }

  const size_t contentLength;
  std::vector<uint8_t> textBytes; // the initial spaces, the content, and room for the last keys
  std::vector<int32_t> links;
  // Raw views of the two, for the search is the encoder's hot loop.
  uint8_t* const text;
  int32_t* const smaller;
  int32_t* const larger;
  int32_t* const parent;
};

} // namespace

std::vector<SzddItem> FindLongestMatches(const uint8_t* content, size_t length) {
  return MatchTree(content, length).Run();
}
