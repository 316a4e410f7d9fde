#include "progman/nt6_test.h"

#include <windows.h>

#include "core/platform_decision.h"

namespace {

// The extended version record first; systems that know only the basic one refuse its size.
constexpr DWORD EXTENDED_RECORD_SIZE = 156;
constexpr DWORD BASIC_RECORD_SIZE = 148;
static_assert(sizeof(OSVERSIONINFOEXA) == EXTENDED_RECORD_SIZE, "extended version record");
static_assert(sizeof(OSVERSIONINFOA) == BASIC_RECORD_SIZE, "basic version record");

bool ReadVersion(OSVERSIONINFOEXA& version, DWORD recordSize) {
  ZeroMemory(&version, sizeof version);
  version.dwOSVersionInfoSize = recordSize;
  return GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version)) != 0;
}

} // namespace

bool RunsOnNt6() {
  OSVERSIONINFOEXA version;
  if (!ReadVersion(version, EXTENDED_RECORD_SIZE) && !ReadVersion(version, BASIC_RECORD_SIZE)) return false;
  return version.dwPlatformId == PLATFORM_NT && version.dwMajorVersion == 6;
}
