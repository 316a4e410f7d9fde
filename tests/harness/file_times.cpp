#include "file_times.h"

#include <cstdio>

namespace {

std::string LocalTimeText(const FILETIME& utc) {
  FILETIME local;
  SYSTEMTIME calendar;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &calendar)) return "(no time)";
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", calendar.wYear, calendar.wMonth, calendar.wDay,
                calendar.wHour, calendar.wMinute, calendar.wSecond);
  return text;
}

} // namespace

FileTimes TimesOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
    return FileTimes{"(missing)", "(missing)", "(missing)"};
  return FileTimes{LocalTimeText(data.ftCreationTime), LocalTimeText(data.ftLastAccessTime),
                   LocalTimeText(data.ftLastWriteTime)};
}

uint64_t Ticks(const FILETIME& time) { return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime; }

uint64_t LastWriteTicks(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return Ticks(data.ftLastWriteTime);
}

bool IsRecentLocalDate(const std::string& date) {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  constexpr uint64_t FIVE_MINUTES = uint64_t{5} * 60 * 10000000;
  for (const uint64_t ticks : {Ticks(now), Ticks(now) - FIVE_MINUTES}) {
    const FILETIME at{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    const std::string text = LocalTimeText(at);
    if (date == text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2)) return true;
  }
  return false;
}
