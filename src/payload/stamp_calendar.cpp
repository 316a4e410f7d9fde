#include "payload/stamp_calendar.h"

namespace {
constexpr int STAMP_HOUR = 12;
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
