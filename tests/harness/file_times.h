// A file's time stamps as the test programs compare them.
#ifndef TARN_TESTS_FILE_TIMES_H
#define TARN_TESTS_FILE_TIMES_H

#include <windows.h>

#include <cstdint>
#include <string>

// Local calendar time to the second, "YYYY-MM-DD hh:mm:ss", as a person reads it.
struct FileTimes {
  std::string creation, access, write;
};
// "(missing)" in every field when the file cannot be found.
FileTimes TimesOf(const std::string& path);

// 100-nanosecond ticks since 1601, as a file time counts them.
uint64_t Ticks(const FILETIME& time);
// The file's last-write time in ticks; 0 when the file cannot be found.
uint64_t LastWriteTicks(const std::string& path);

// Whether the text is the local date, "YYYYMMDD", of a stamp made a moment ago: today's, or
// yesterday's when midnight passed within the last five minutes.
bool IsRecentLocalDate(const std::string& date);

#endif
