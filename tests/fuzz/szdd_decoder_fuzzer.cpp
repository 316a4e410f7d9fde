// Any bytes as an SZDD image, and as a bare stream: the decoder must stay inside the input
// and inside an output allocated to the exact capacity, and keep its promises.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "szdd/szdd_decoder.h"
#include "szdd/szdd_format.h"

namespace {

// Larger headers are cut to this, which takes the too-small-output path.
constexpr size_t MOST_OUTPUT = 1 << 16;
constexpr size_t STREAM_LIMIT = 4096;

void Check(bool promise) {
  if (!promise) __builtin_trap();
}

void ExpandAsImage(const uint8_t* data, size_t size) {
  SzddHeader header{};
  const bool isImage = ReadSzddHeader(data, size, header);
  const size_t capacity = isImage && header.expandedLength < MOST_OUTPUT ? header.expandedLength : MOST_OUTPUT;
  const std::unique_ptr<uint8_t[]> output(new uint8_t[capacity]);
  const SzddExpansion result = ExpandSzddImage(data, size, output.get(), capacity);
  Check(result.length <= capacity);
  Check(isImage == (result.outcome != SzddOutcome::NOT_SZDD));
  if (result.outcome == SzddOutcome::EXPANDED || result.outcome == SzddOutcome::STREAM_TOO_LONG)
    Check(result.length == header.expandedLength);
}

void ExpandAsStream(const uint8_t* data, size_t size) {
  const std::unique_ptr<uint8_t[]> output(new uint8_t[STREAM_LIMIT]);
  const StreamExpansion result = ExpandSzddStream(data, size, output.get(), STREAM_LIMIT);
  Check(result.length <= STREAM_LIMIT);
  Check(!result.beyondLimit || result.length == STREAM_LIMIT);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ExpandAsImage(data, size);
  ExpandAsStream(data, size);
  return 0;
}
