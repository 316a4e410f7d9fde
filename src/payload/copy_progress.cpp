#include "payload/copy_progress.h"

namespace {

void Credit(CopyProgress& progress, uint32_t count) {
  const uint32_t rowLacks = progress.rowSize - progress.rowCredited;
  if (count > rowLacks) count = rowLacks;
  progress.rowCredited += count;
  const uint32_t totalLacks = progress.totalBytes - progress.doneBytes;
  progress.doneBytes += count > totalLacks ? totalLacks : count;
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
  const uint64_t width = static_cast<uint64_t>(static_cast<int64_t>(right) - start);
  return static_cast<int32_t>(start + static_cast<int64_t>(width * done / total));
}
