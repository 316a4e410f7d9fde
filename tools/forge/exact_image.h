// Finding stand-in content whose SZDD image can be made exactly as long as its row says: the
// smallest image must not be longer, and should not be much shorter, so that the image stays
// close to what a real file of that compressibility gives.
#ifndef TARN_FORGE_EXACT_IMAGE_H
#define TARN_FORGE_EXACT_IMAGE_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Makes the whole content for an amount of incompressible filler, 0 to `room`, its check
// value already set; false when it cannot.
using ContentMaker = std::function<bool(size_t incompressible, std::vector<uint8_t>& content)>;

struct ImageTarget {
  size_t imageLength;
  uint8_t lastNameCharacter;
  size_t room; // the most incompressible filler that the content can take
};

// False when no amount gives content whose image can have the length.
bool MakeExactImage(const ContentMaker& make, const ImageTarget& target, std::vector<uint8_t>& content,
                    std::vector<uint8_t>& image);

#endif
