#include "forge/exact_image.h"

#include "szdd/szdd_encoder.h"

namespace {

constexpr int MOST_TRIES = 8;

struct Trial {
  size_t incompressible;
  size_t shortest; // length of the smallest image
};

class Search {
public:
  Search(const ContentMaker& make, const ImageTarget& target)
      : make(make), target(target), aim(target.imageLength - target.imageLength / 100),
        closeEnough(target.imageLength - target.imageLength / 50 - 16) {}

  // The largest amount tried whose smallest image is not longer than the target.
  bool Run(std::vector<uint8_t>& content) {
    Trial low{}, high{};
    if (!Try(0, low, content) || low.shortest > target.imageLength) return false;
    if (!Try(target.room, high, content)) return false;
    if (high.shortest <= target.imageLength) return true;
    for (int i = 0; i < MOST_TRIES && low.shortest < closeEnough && high.incompressible - low.incompressible > 1; ++i) {
      Trial next{};
      if (!Try(Between(low, high), next, content)) return false;
      (next.shortest <= target.imageLength ? low : high) = next;
    }
    return make(low.incompressible, content);
  }

private:
  // Where the line through the two trials meets the aim, strictly between them.
  size_t Between(const Trial& low, const Trial& high) const {
    const double rise = static_cast<double>(high.shortest) - static_cast<double>(low.shortest);
    const double run = static_cast<double>(high.incompressible - low.incompressible);
    const double wanted = static_cast<double>(aim) - static_cast<double>(low.shortest);
    size_t at = low.incompressible + (high.incompressible - low.incompressible) / 2;
    if (rise > 0 && wanted > 0) at = low.incompressible + static_cast<size_t>(wanted * run / rise);
    if (at <= low.incompressible) at = low.incompressible + 1;
    if (at >= high.incompressible) at = high.incompressible - 1;
    return at;
  }

  bool Try(size_t incompressible, Trial& trial, std::vector<uint8_t>& content) const {
    if (!make(incompressible, content)) return false;
    trial = Trial{incompressible, CompressSzdd(content.data(), content.size(), target.lastNameCharacter).size()};
    return true;
  }

  const ContentMaker& make;
  const ImageTarget& target;
  const size_t aim;
  const size_t closeEnough;
};

} // namespace

bool MakeExactImage(const ContentMaker& make, const ImageTarget& target, std::vector<uint8_t>& content,
                    std::vector<uint8_t>& image) {
  if (!Search(make, target).Run(content)) return false;
  return CompressSzddToLength(content.data(), content.size(), target.lastNameCharacter, target.imageLength, image);
}
