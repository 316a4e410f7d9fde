#include "szdd/szdd_decoder.h"

#include <cstring>

#include "szdd/szdd_format.h"

namespace {

constexpr size_t GROUP_INPUT_MOST = 1 + 2 * SZDD_ITEMS_PER_FLAG;
constexpr size_t GROUP_OUTPUT_MOST = SZDD_LONGEST_REFERENCE * SZDD_ITEMS_PER_FLAG;

// The output buffer holds everything expanded so far, so a reference is read from it at the
// distance that its window position lies back; bytes before the first one are the spaces
// that the window starts with.
class StreamExpander {
public:
  StreamExpander(const uint8_t* stream, size_t streamLength, uint8_t* output, size_t limit)
      : in(stream), inEnd(stream + streamLength), out(output), written(0), limit(limit), beyondLimit(false) {}

  StreamExpansion Run() {
    for (;;) {
      if (WholeGroupFits())
        ExpandGroupUnchecked();
      else if (!ExpandGroupChecked())
        break;
    }
    return StreamExpansion{written, beyondLimit};
  }

private:
  bool WholeGroupFits() const {
    return static_cast<size_t>(inEnd - in) >= GROUP_INPUT_MOST && limit - written >= GROUP_OUTPUT_MOST;
  }

  size_t DistanceBack(uint32_t position) const {
    return ((SZDD_FIRST_POSITION + written - position - 1) & SZDD_WINDOW_MASK) + 1;
  }

  static uint32_t Position(const uint8_t* item) { return item[0] | ((item[1] & 0xF0u) << 4); }
  static uint32_t Length(const uint8_t* item) { return (item[1] & 0x0Fu) + SZDD_SHORTEST_REFERENCE; }

  // Byte by byte, for a reference may overlap the bytes that it writes.
  void CopyReference(uint32_t position, size_t length) {
    const size_t distance = DistanceBack(position);
    uint8_t* to = out + written;
    size_t j = 0;
    if (distance > written) {
      j = distance - written < length ? distance - written : length;
      std::memset(to, SZDD_WINDOW_FILL, j);
    }
    for (; j < length; ++j) to[j] = out[written + j - distance];
    written += length;
  }

  // Room for the longest group on both sides: no check per item. A reference that cannot
  // overlap itself is copied whole, the bytes past its end to be overwritten later.
  void ExpandGroupUnchecked() {
    unsigned flags = *in++;
    for (uint32_t k = 0; k < SZDD_ITEMS_PER_FLAG; ++k, flags >>= 1) {
      if (flags & 1) {
        out[written++] = *in++;
        continue;
      }
      const uint32_t position = Position(in);
      const uint32_t length = Length(in);
      in += 2;
      const size_t distance = DistanceBack(position);
      if (distance >= SZDD_LONGEST_REFERENCE && distance <= written) {
        std::memcpy(out + written, out + written - distance, SZDD_LONGEST_REFERENCE);
        written += length;
      } else {
        CopyReference(position, length);
      }
    }
  }

  // False once the stream or the limit is reached.
  bool ExpandGroupChecked() {
    if (in == inEnd) return false;
    unsigned flags = *in++;
    for (uint32_t k = 0; k < SZDD_ITEMS_PER_FLAG; ++k, flags >>= 1) {
      if (flags & 1) {
        if (in == inEnd) return false;
        if (written == limit) return StopBeyondLimit();
        out[written++] = *in++;
        continue;
      }
      if (inEnd - in < 2) return false;
      const uint32_t position = Position(in);
      const size_t length = Length(in);
      in += 2;
      if (length > limit - written) {
        CopyReference(position, limit - written);
        return StopBeyondLimit();
      }
      CopyReference(position, length);
    }
    return true;
  }

  bool StopBeyondLimit() {
    beyondLimit = true;
    return false;
  }

  const uint8_t* in;
  const uint8_t* const inEnd;
  uint8_t* const out;
  size_t written;
  const size_t limit;
  bool beyondLimit;
};

} // namespace

StreamExpansion ExpandSzddStream(const uint8_t* stream, size_t streamLength, uint8_t* output, size_t limit) {
  return StreamExpander(stream, streamLength, output, limit).Run();
}

SzddExpansion ExpandSzddImage(const uint8_t* image, size_t imageLength, uint8_t* output, size_t capacity) {
  SzddHeader header;
  if (!ReadSzddHeader(image, imageLength, header)) return SzddExpansion{SzddOutcome::NOT_SZDD, 0};
  const bool fits = header.expandedLength <= capacity;
  const size_t limit = fits ? header.expandedLength : capacity;
  const StreamExpansion stream =
      ExpandSzddStream(image + SZDD_HEADER_SIZE, imageLength - SZDD_HEADER_SIZE, output, limit);
  SzddOutcome outcome = SzddOutcome::EXPANDED;
  if (!fits)
    outcome = SzddOutcome::OUTPUT_TOO_SMALL;
  else if (stream.length < limit)
    outcome = SzddOutcome::STREAM_TOO_SHORT;
  else if (stream.beyondLimit)
    outcome = SzddOutcome::STREAM_TOO_LONG;
  return SzddExpansion{outcome, stream.length};
}
