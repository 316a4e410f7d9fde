// The portable rules of the copy: how far it has come, the time stamp's calendar, and the
// names of compressed temporaries and font files. No Windows header.
#ifndef TARN_PAYLOAD_COPY_PLAN_H
#define TARN_PAYLOAD_COPY_PLAN_H

#include <cstdint>

// How far a copy has come, in bytes of the installed sizes of the selected rows.
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

// The calendar part of the time stamp that the copy sets on the files it writes.
// A local calendar time, before the platform turns it into a file time.
struct StampCalendar {
  int year;
  int month;
  int day;
  int hour;
  int minute;
};

// Two-digit years: 0 to 49 are 2000 to 2049, 50 to 99 are 1950 to 1999; 100 and above as is.
int StampYear(int32_t catalogueYear);
// The version's low byte read as two decimal digits (0x1203 gives 3).
int StampMinute(int32_t version);
// Noon of the catalogue's day, at the version's minute.
StampCalendar StampCalendarOf(int32_t day, int32_t month, int32_t catalogueYear, int32_t version);

// Whether the name's last dot begins the extension ".fon", in any letter case.
bool IsFontFileName(const char* name);

#endif
