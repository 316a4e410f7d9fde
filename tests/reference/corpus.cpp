#include "corpus.h"

#include <algorithm>
#include <filesystem>

namespace {

// Where scripts/install-deps.sh leaves the i386 DLLs of Wine's library package.
const char* const WINE_DLL_FOLDER = "/var/cache/tarn-corpus/i386-windows";
constexpr uintmax_t SMALLEST_TAKEN = 16 * 1024;
constexpr uintmax_t LARGEST_TAKEN = 1024 * 1024;
constexpr size_t PICK_EVERY = 7;

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

std::vector<CorpusFile> WineCorpus(size_t totalBytes) {
  namespace fs = std::filesystem;
  std::vector<fs::path> paths;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(WINE_DLL_FOLDER, error)) {
    if (entry.path().extension() != ".dll" || !entry.is_regular_file()) continue;
    const uintmax_t size = entry.file_size();
    if (size >= SMALLEST_TAKEN && size <= LARGEST_TAKEN) paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  std::vector<CorpusFile> corpus;
  size_t taken = 0;
  for (size_t i = 0; i < paths.size() && taken < totalBytes; i += PICK_EVERY) {
    corpus.push_back(CorpusFile{paths[i].filename().string(), ReadFileBytes(paths[i].string())});
    taken += corpus.back().content.size();
  }
  return corpus;
}
