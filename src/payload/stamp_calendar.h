// The calendar part of the time stamp that the copy sets on the files it writes.
#ifndef TARN_PAYLOAD_STAMP_CALENDAR_H
#define TARN_PAYLOAD_STAMP_CALENDAR_H

#include <cstdint>

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

#endif
