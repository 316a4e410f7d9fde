#include "corpus.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "files/file_bytes.h"

namespace {

// Where scripts/install-deps.sh leaves the i386 DLLs of Wine's library package.
const char* const WINE_DLL_FOLDER = "/var/cache/tarn-corpus/i386-windows";
constexpr uintmax_t SMALLEST_TAKEN = 16 * 1024;
constexpr uintmax_t LARGEST_TAKEN = 1024 * 1024;
constexpr size_t PICK_EVERY = 7;

} // namespace

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
    CorpusFile file{paths[i].filename().string(), {}};
    if (!LoadFile(paths[i].string(), file.content)) continue;
    taken += file.content.size();
    corpus.push_back(std::move(file));
  }
  return corpus;
}
