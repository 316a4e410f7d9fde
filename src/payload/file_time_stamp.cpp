#include "payload/file_time_stamp.h"

#include "payload/stamp_calendar.h"

bool MakeTimeStamp(const Catalogue& catalogue, FILETIME& stamp) {
  const StampCalendar calendar =
      StampCalendarOf(catalogue.stampDay, catalogue.stampMonth, catalogue.stampYear, catalogue.version);
  SYSTEMTIME local{};
  local.wYear = static_cast<WORD>(calendar.year);
  local.wMonth = static_cast<WORD>(calendar.month);
  local.wDay = static_cast<WORD>(calendar.day);
  local.wHour = static_cast<WORD>(calendar.hour);
  local.wMinute = static_cast<WORD>(calendar.minute);
  FILETIME localTime;
  return SystemTimeToFileTime(&local, &localTime) && LocalFileTimeToFileTime(&localTime, &stamp);
}

void StampOpenFile(HFILE file, const FILETIME& stamp) {
  // A handle of the _l calls is a Win32 file handle.
  SetFileTime(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(file)), &stamp, &stamp, &stamp);
}
