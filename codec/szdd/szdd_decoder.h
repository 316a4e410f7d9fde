// Expansion of SZDD images (mode A) from memory. Reads only inside the image and writes only
// inside the output, whatever the image holds.
#ifndef TARN_SZDD_SZDD_DECODER_H
#define TARN_SZDD_SZDD_DECODER_H

#include <cstddef>
#include <cstdint>

struct StreamExpansion {
  size_t length;    // bytes written
  bool beyondLimit; // the stream holds more than the limit let through
};

// Expands a mode A stream (the image after its header) until the stream ends or `limit`
// bytes are written; output holds at least `limit` bytes.
StreamExpansion ExpandSzddStream(const uint8_t* stream, size_t streamLength, uint8_t* output, size_t limit);

enum class SzddOutcome {
  EXPANDED,         // exactly the header's length
  NOT_SZDD,         // no header of mode A; nothing written
  STREAM_TOO_SHORT, // the stream ended before the header's length
  STREAM_TOO_LONG,  // the stream goes on past the header's length; the rest is dropped
  OUTPUT_TOO_SMALL, // the header's length exceeds the capacity; the output is filled
};

struct SzddExpansion {
  SzddOutcome outcome;
  size_t length; // bytes written
};

SzddExpansion ExpandSzddImage(const uint8_t* image, size_t imageLength, uint8_t* output, size_t capacity);

#endif
