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

void StampFile(const char* path, const FILETIME& stamp) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  SetFileTime(file, &stamp, &stamp, &stamp);
  CloseHandle(file);
}
