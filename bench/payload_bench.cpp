// The SZDD codec beside its peers on the same corpus, one run: our decoder's throughput
// against libmspack's on mscompress's images and on ours, and the total size of our images
// against mscompress's. Prints figures and ratios; asserts nothing.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "corpus.h"
#include "reference_expanders.h"
#include "szdd/szdd_decoder.h"
#include "szdd/szdd_encoder.h"

namespace {

constexpr size_t CORPUS_BYTES = 8000000;
constexpr int EXPANSIONS = 5;

struct Image {
  Bytes bytes;
  size_t expandedLength;
};

using Clock = std::chrono::steady_clock;

template <typename Expand>
double SecondsToExpand(const std::vector<Image>& images, Expand expand) {
  const Clock::time_point start = Clock::now();
  for (int round = 0; round < EXPANSIONS; ++round) {
    for (const Image& image : images) {
      Bytes out(image.expandedLength);
      if (expand(image.bytes, out) != image.expandedLength) std::printf("  expansion failed\n");
    }
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

size_t ExpandOurs(const Bytes& image, Bytes& out) {
  return ExpandSzddImage(image.data(), image.size(), out.data(), out.size()).length;
}

size_t ExpandTheirs(const Bytes& image, Bytes& out) {
  return static_cast<size_t>(ExpandWithLibmspack(image, out.data(), out.size()));
}

void CompareDecoders(const char* whose, const std::vector<Image>& images, size_t expandedBytes) {
  const double ours = SecondsToExpand(images, ExpandOurs);
  const double theirs = SecondsToExpand(images, ExpandTheirs);
  const double megabytes = static_cast<double>(expandedBytes) * EXPANSIONS / 1e6;
  std::printf("decoder on %s images: ours %.0f MB/s, libmspack %.0f MB/s, ratio ours/libmspack: %.2f\n", whose,
              megabytes / ours, megabytes / theirs, theirs / ours);
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::vector<CorpusFile> corpus = WineCorpus(CORPUS_BYTES);
  if (corpus.empty()) {
    std::printf("no corpus: run scripts/install-deps.sh\n");
    return 1;
  }
  std::vector<Image> ours;
  std::vector<Image> theirs;
  size_t expandedBytes = 0;
  size_t ourBytes = 0;
  size_t theirBytes = 0;
  for (const CorpusFile& file : corpus) {
    const size_t length = file.content.size();
    ours.push_back(Image{CompressSzdd(file.content.data(), length, 'l'), length});
    theirs.push_back(Image{CompressWithMscompress(file.content, argv[1]), length});
    expandedBytes += length;
    ourBytes += ours.back().bytes.size();
    theirBytes += theirs.back().bytes.size();
  }
  std::printf("corpus: %zu i386 DLLs of Wine, %zu bytes\n", corpus.size(), expandedBytes);
  std::printf("encoder: ours %zu bytes, mscompress %zu bytes, ratio ours/mscompress: %.4f (%.1f%% smaller)\n",
              ourBytes, theirBytes, static_cast<double>(ourBytes) / theirBytes,
              100.0 * (1.0 - static_cast<double>(ourBytes) / theirBytes));
  CompareDecoders("mscompress's", theirs, expandedBytes);
  CompareDecoders("our", ours, expandedBytes);
  return 0;
}
