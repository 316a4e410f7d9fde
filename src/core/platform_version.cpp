#include <windows.h>

#include "core/install_state.h"
#include "core/platform.h"

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

int CheckPlatform(int32_t flags) {
  OSVERSIONINFOA version;
  ZeroMemory(&version, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  const PlatformDecision decision = DecidePlatform(version.dwPlatformId, version.dwMajorVersion, flags);
  installState.platformUnsupported = decision.platformUnsupported;
  installState.fontsInFontsFolder = decision.fontsInFontsFolder;
  return installState.platformUnsupported == 0;
}

bool RunsOnNt6() {
  OSVERSIONINFOEXA version;
  if (!ReadVersion(version, EXTENDED_RECORD_SIZE) && !ReadVersion(version, BASIC_RECORD_SIZE)) return false;
  return version.dwPlatformId == PLATFORM_NT && version.dwMajorVersion == 6;
}
