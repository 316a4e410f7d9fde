#include "corpus.h"

namespace {

Bytes Incompressible(size_t length) {
  Bytes bytes(length);
  uint32_t state = 2463534242u;
  for (uint8_t& byte : bytes) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    byte = static_cast<uint8_t>(state >> 24);
  }
  return bytes;
}

Bytes Text() {
  std::string text;
  for (int line = 0; line < 400; ++line)
    text += "Line " + std::to_string(line) + ": the quick brown fox jumps over the lazy dog " +
            std::to_string(line * line % 97) + "\r\n";
  return Bytes(text.begin(), text.end());
}

} // namespace

std::vector<CorpusFile> EdgeCorpus() {
  return {
      {"empty", Bytes{}},
      {"one byte", Bytes{0x41}},
      {"18 equal bytes", Bytes(18, 0x5A)},
      {"5000 spaces", Bytes(5000, ' ')},
      {"incompressible", Incompressible(70000)},
      {"text", Text()},
  };
}
