#include "core/platform.h"

PlatformDecision DecidePlatform(uint32_t platformId, uint32_t majorVersion, int32_t flags) {
  PlatformDecision decision{1, 1};
  if (platformId == PLATFORM_WIN32S) {
    decision.fontsInFontsFolder = 0;
  } else if (platformId == PLATFORM_WIN9X) {
    if (flags & ACCEPT_WIN9X) decision.platformUnsupported = 0;
  } else if (platformId == PLATFORM_NT && majorVersion == 4) {
    if (flags & ACCEPT_NT4) decision.platformUnsupported = 0;
  } else if (platformId == PLATFORM_NT) {
    decision.platformUnsupported = 0;
    if (flags & NT_OTHER_FONTS_IN_SYSTEM) decision.fontsInFontsFolder = 0;
  }
  return decision;
}
