// How far a copy has come, in bytes of the installed sizes of the selected rows.
#ifndef TARN_PAYLOAD_COPY_PROGRESS_H
#define TARN_PAYLOAD_COPY_PROGRESS_H

#include <cstdint>

// Each row is credited at most its own size, whatever the length of its stored form (an SZDD
// image may be longer than the file it expands to), so done bytes never go back, never pass
// the total, and reach the total exactly when every row has been credited in full.
struct CopyProgress {
  uint32_t totalBytes;
  uint32_t doneBytes;
  uint32_t rowSize;     // installed size of the row being copied
  uint32_t rowCredited; // the part of rowSize already in doneBytes
};

void AddRowToTotal(CopyProgress& progress, uint32_t size);
void BeginRowProgress(CopyProgress& progress, uint32_t size);
// Bytes of the stored form written for the row; what exceeds the row's size counts nothing.
void CreditWritten(CopyProgress& progress, uint32_t count);
// Half of what the row still lacks: its expansion is done, its checksum pass is not.
void CreditHalfOfRest(CopyProgress& progress);
// All that the row still lacks.
void CreditRest(CopyProgress& progress);
// A row that needs no copying counts in full at once.
void CreditSkippedRow(CopyProgress& progress, uint32_t size);

// The fill starts inside the bar's two frame lines, at left + 2 and top + 2.
constexpr int32_t PROGRESS_FILL_INSET = 2;

// Right edge of the bar's fill, which starts at left + 2: left + 2 at no progress, right when
// done reaches total, never outside that span. total 0 gives left + 2 (nothing to draw).
int32_t ProgressFillRight(int32_t left, int32_t right, uint32_t done, uint32_t total);

#endif
