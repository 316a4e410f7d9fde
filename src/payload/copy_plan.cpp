#include "payload/copy_plan.h"

#include <cstring>

#include "core/file_rules.h"

namespace {

constexpr int STAMP_HOUR = 12;

void Credit(CopyProgress& progress, uint32_t count) {
  const uint32_t rowLacks = progress.rowSize - progress.rowCredited;
  if (count > rowLacks) count = rowLacks;
  progress.rowCredited += count;
  const uint32_t totalLacks = progress.totalBytes - progress.doneBytes;
  progress.doneBytes += count > totalLacks ? totalLacks : count;
}

// width * done / total, truncated, for done <= total, without a 64-bit division, which the
// i386 build would take from the compiler's library: a long multiplication, one bit of width
// at a time, that keeps the quotient and the remainder (below total) of the product so far.
uint32_t ScaledWidth(uint32_t width, uint32_t done, uint32_t total) {
  uint32_t quotient = 0, remainder = 0;
  for (int bit = 31; bit >= 0; --bit) {
    // Differences against total, as the sums could leave 32 bits; wrapping gives them right.
    quotient <<= 1;
    if (remainder >= total - remainder) {
      remainder = remainder + remainder - total;
      ++quotient;
    } else {
      remainder += remainder;
    }
    if ((width >> bit & 1) == 0) continue;
    if (done >= total - remainder) {
      remainder = remainder + done - total;
      ++quotient;
    } else {
      remainder += done;
    }
  }
  return quotient;
}

} // namespace

void AddRowToTotal(CopyProgress& progress, uint32_t size) { progress.totalBytes += size; }

void BeginRowProgress(CopyProgress& progress, uint32_t size) {
  progress.rowSize = size;
  progress.rowCredited = 0;
}

void CreditWritten(CopyProgress& progress, uint32_t count) { Credit(progress, count); }

void CreditHalfOfRest(CopyProgress& progress) { Credit(progress, (progress.rowSize - progress.rowCredited) >> 1); }

void CreditRest(CopyProgress& progress) { Credit(progress, progress.rowSize - progress.rowCredited); }

void CreditSkippedRow(CopyProgress& progress, uint32_t size) {
  BeginRowProgress(progress, size);
  CreditRest(progress);
}

int32_t ProgressFillRight(int32_t left, int32_t right, uint32_t done, uint32_t total) {
  const int32_t start = left + PROGRESS_FILL_INSET;
  if (total == 0 || right <= start) return start;
  if (done > total) done = total;
  const uint32_t width = static_cast<uint32_t>(static_cast<int64_t>(right) - start);
  return static_cast<int32_t>(start + static_cast<int64_t>(ScaledWidth(width, done, total)));
}

int StampYear(int32_t catalogueYear) {
  if (catalogueYear >= 100) return catalogueYear;
  const int year = catalogueYear + 1900;
  return year < 1950 ? year + 100 : year;
}

int StampMinute(int32_t version) { return (version & 0xF) + 10 * ((version >> 4) & 0xF); }

StampCalendar StampCalendarOf(int32_t day, int32_t month, int32_t catalogueYear, int32_t version) {
  return StampCalendar{StampYear(catalogueYear), month, day, STAMP_HOUR, StampMinute(version)};
}

bool IsFontFileName(const char* name) {
  const char* dot = LastOf(name, '.');
  return dot != nullptr && EqualIgnoringCase(dot, ".fon");
}

