// The desktop settings record, the one item of a new desktop file: built once from the
// environment when the program starts, before the frame, and not changed afterwards.
#ifndef TARN_REGISTRATION_DESKTOP_SETTINGS_H
#define TARN_REGISTRATION_DESKTOP_SETTINGS_H

#include <cstdint>

constexpr uint32_t DESKTOP_SETTINGS_SIZE = 1080;
// Its key in the desktop file's item list.
constexpr uint16_t DESKTOP_SETTINGS_KEY = 560;

struct DesktopSettings {
  uint8_t bytes[DESKTOP_SETTINGS_SIZE];
};

// library and temporary: the values of "TARNWIN_LIB" and "TEMP", null when not set; cut to
// their fields.
void FillDesktopSettings(DesktopSettings& settings, const char* library, const char* temporary);

extern DesktopSettings desktopSettings;

#endif
