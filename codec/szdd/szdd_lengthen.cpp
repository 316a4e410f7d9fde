// The exact-length parse. Peeling a reference's last byte off as a literal adds one byte and
// one item; peeling a three-byte reference into three literals adds one byte and two items.
// Both add a flag byte besides when the item count passes a multiple of eight; when that
// would overshoot by one, splitting a reference in two (two bytes, one item) in place of the
// last peel lands on the length.
#include "szdd/szdd_parse.h"

#include <cstdint>

#include "szdd/szdd_format.h"

namespace {

struct Tally {
  size_t bytes;
  size_t items;
  size_t Length() const { return bytes + SzddFlagBytes(items); }
};

constexpr size_t SPLIT_SHORTEST = 2 * SZDD_SHORTEST_REFERENCE;
constexpr size_t NONE = SIZE_MAX;

class Lengthening {
public:
  Lengthening(const std::vector<SzddItem>& items, size_t target)
      : items(items), target(target), peeled(items.size(), 0), split(NONE), tally{0, items.size()} {
    for (const SzddItem& item : items) tally.bytes += IsReference(item) ? 2 : 1;
  }

  bool Run() {
    size_t next = items.size();
    bool peeledOnce = false;
    size_t lastPeeled = 0;
    uint8_t lastPeeledBefore = 0;
    Tally lastTally{};
    while (tally.Length() < target) {
      while (next > 0 && !CanPeel(next - 1)) --next;
      if (next == 0) return false;
      const size_t at = next - 1;
      const Tally after = Peeled(at);
      if (after.Length() > target) {
        if (peeledOnce && tally.items % SZDD_ITEMS_PER_FLAG == 0) {
          peeled[lastPeeled] = lastPeeledBefore;
          tally = lastTally;
          return Split();
        }
        return PeelByteOfAnother(at);
      }
      peeledOnce = true;
      lastPeeled = at;
      lastPeeledBefore = peeled[at];
      lastTally = tally;
      Peel(at);
    }
    return tally.Length() == target;
  }

  std::vector<SzddItem> Items() const {
    std::vector<SzddItem> out;
    for (size_t i = 0; i < items.size(); ++i) {
      const SzddItem& item = items[i];
      const size_t kept = Kept(i);
      if (i == split) {
        const auto first = static_cast<uint16_t>(item.length / 2);
        out.push_back(SzddItem{first, item.distance});
        out.push_back(SzddItem{static_cast<uint16_t>(item.length - first), item.distance});
      } else if (kept != 0) {
        out.push_back(SzddItem{static_cast<uint16_t>(kept), item.distance});
      }
      for (size_t k = kept; k < item.length; ++k) out.push_back(SZDD_LITERAL);
    }
    return out;
  }

private:
  // Bytes still copied by the reference at i; 0 once it is all literals.
  size_t Kept(size_t i) const { return items[i].length - peeled[i]; }
  bool CanPeel(size_t i) const { return IsReference(items[i]) && Kept(i) != 0 && i != split; }

  Tally Peeled(size_t i) const {
    return Kept(i) > SZDD_SHORTEST_REFERENCE ? Tally{tally.bytes + 1, tally.items + 1}
                                             : Tally{tally.bytes + 1, tally.items + 2};
  }

  void Peel(size_t i) {
    tally = Peeled(i);
    peeled[i] = static_cast<uint8_t>(Kept(i) > SZDD_SHORTEST_REFERENCE ? peeled[i] + 1 : items[i].length);
  }

  // The peel at i would add two items past a multiple of eight; one item does not.
  bool PeelByteOfAnother(size_t at) {
    for (size_t i = 0; i < at; ++i) {
      if (CanPeel(i) && Kept(i) > SZDD_SHORTEST_REFERENCE) {
        Peel(i);
        return tally.Length() == target;
      }
    }
    return false;
  }

  bool Split() {
    for (size_t i = 0; i < items.size(); ++i) {
      if (IsReference(items[i]) && peeled[i] == 0 && items[i].length >= SPLIT_SHORTEST) {
        split = i;
        tally = Tally{tally.bytes + 2, tally.items + 1};
        return tally.Length() == target;
      }
    }
    return false;
  }

  const std::vector<SzddItem>& items;
  const size_t target;
  std::vector<uint8_t> peeled;
  size_t split;
  Tally tally;
};

} // namespace

bool LengthenParse(std::vector<SzddItem>& items, size_t streamLength) {
  Lengthening lengthening(items, streamLength);
  if (!lengthening.Run()) return false;
  items = lengthening.Items();
  return true;
}
