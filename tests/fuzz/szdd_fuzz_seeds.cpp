// Writes the decoder fuzzer's seeds into the folder named: images that our encoder makes of
// small contents, at the shortest and at a lengthened size.
#include <string>
#include <vector>

#include "files/file_bytes.h"
#include "szdd/szdd_encoder.h"

namespace {

std::vector<std::string> Contents() {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "row " + std::to_string(i % 7) + " of the table;\r\n";
  std::string noise;
  uint32_t state = 7;
  for (int i = 0; i < 600; ++i) noise += static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
  return {"", "a", std::string(18, 'Z'), std::string(300, ' ') + "end", text, noise};
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  int n = 0;
  const auto save = [&](const std::vector<uint8_t>& image) {
    return SaveFile(std::string(argv[1]) + "/seed" + std::to_string(n++), image);
  };
  for (const std::string& content : Contents()) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(content.data());
    std::vector<uint8_t> image = CompressSzdd(bytes, content.size(), 'x');
    if (!save(image)) return 1;
    if (CompressSzddToLength(bytes, content.size(), 'x', image.size() + 3, image) && !save(image)) return 1;
  }
  return 0;
}
