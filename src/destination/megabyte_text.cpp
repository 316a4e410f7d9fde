#include "destination/megabyte_text.h"

#include "core/bounded_format.h"
#include "destination/free_space.h"

namespace {

constexpr int MEGABYTE_SHIFT = 20;
constexpr uint32_t HALF_MEGABYTE = uint32_t{1} << (MEGABYTE_SHIFT - 1);

} // namespace

void FormatMegabytes(char* out, size_t capacity, uint32_t bytes) {
  uint32_t whole = bytes >> MEGABYTE_SHIFT;
  uint32_t tenths = ((bytes & ((uint32_t{1} << MEGABYTE_SHIFT) - 1)) * 10 + HALF_MEGABYTE) >> MEGABYTE_SHIFT;
  if (tenths >= 10) {
    whole += 1;
    tenths -= 10;
  }
  char text[32];
  char* end = PutDecimal(text, whole);
  *end++ = '.';
  end = PutDecimal(end, tenths);
  CopyBounded(end, sizeof text - static_cast<size_t>(end - text), " MB");
  CopyBounded(out, capacity, text);
}

void FormatAvailableSize(char* out, size_t capacity, int32_t freeSpace) {
  if (freeSpace >= 0)
    FormatMegabytes(out, capacity, static_cast<uint32_t>(freeSpace));
  else
    CopyBounded(out, capacity, freeSpace == FREE_SPACE_AT_LEAST_2_GIB ? "> 2 GB" : "n/a");
}
