// Which Windows platforms the catalogue accepts, where font files go on each, and which
// platform this is. The decision is portable; the two queries call the platform.
#ifndef TARN_CORE_PLATFORM_H
#define TARN_CORE_PLATFORM_H

#include <cstdint>

// Bits of the catalogue's platformFlags; bit 1 has no meaning.
constexpr int32_t ACCEPT_WIN9X = 2;
constexpr int32_t NT_OTHER_FONTS_IN_SYSTEM = 4;
constexpr int32_t ACCEPT_NT4 = 8;

// dwPlatformId values of GetVersionExA
constexpr uint32_t PLATFORM_WIN32S = 0;
constexpr uint32_t PLATFORM_WIN9X = 1;
constexpr uint32_t PLATFORM_NT = 2;

struct PlatformDecision {
  int platformUnsupported;
  int fontsInFontsFolder; // 1: font files go to "Fonts", 0: to "SYSTEM"
};

PlatformDecision DecidePlatform(uint32_t platformId, uint32_t majorVersion, int32_t flags);

// Asks the platform its version; records platformUnsupported and fontsInFontsFolder in the
// install state and returns 1 when the platform is accepted.
int CheckPlatform(int32_t flags);

// Whether the platform is Windows NT with major version 6, where the help item opens the
// compiled help file instead of the old one.
bool RunsOnNt6();

#endif
