#include "registration/desktop_settings.h"

#include <cstring>

DesktopSettings desktopSettings;

namespace {

constexpr uint32_t TEXT_FIELD_WIDTH = 256;
constexpr uint32_t TEMPORARY_FIELD_WIDTH = 220;
constexpr uint32_t LIBRARY_AT = 28;
constexpr uint32_t CONFIGURATION_AT = 284;
constexpr uint32_t LIBRARY_AS_GIVEN_AT = 540;
constexpr uint32_t TEMPORARY_AT = 796;

constexpr char DEFAULT_LIBRARY[] = "D:\\.";
constexpr char DEFAULT_TEMPORARY[] = "C:\\TEMP";
constexpr char CONFIGURATION_NAME[] = "subsyst.conf";

struct NumberField {
  uint32_t at;
  uint32_t value;
};

constexpr uint32_t LOWEST_INT32 = 0x80000000u;
constexpr NumberField NUMBERS[] = {{0, 3}, {20, 3}, {24, 1}, {1056, 100}, {1060, LOWEST_INT32}, {1064, LOWEST_INT32}};

void WriteLittle32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

// The text cut to width - 1 characters, the rest of the zeroed field left as it is; with
// slashes for backslashes when asked.
void WriteText(uint8_t* field, uint32_t width, const char* text, bool forwardSlashes) {
  for (uint32_t i = 0; i + 1 < width && text[i] != '\0'; ++i)
    field[i] = static_cast<uint8_t>(forwardSlashes && text[i] == '\\' ? '/' : text[i]);
}

} // namespace

void FillDesktopSettings(DesktopSettings& settings, const char* library, const char* temporary) {
  std::memset(settings.bytes, 0, sizeof settings.bytes);
  for (const NumberField& number : NUMBERS) WriteLittle32(settings.bytes + number.at, number.value);
  if (library == nullptr) library = DEFAULT_LIBRARY;
  if (temporary == nullptr) temporary = DEFAULT_TEMPORARY;
  WriteText(settings.bytes + LIBRARY_AT, TEXT_FIELD_WIDTH, library, true);
  WriteText(settings.bytes + CONFIGURATION_AT, TEXT_FIELD_WIDTH, CONFIGURATION_NAME, false);
  WriteText(settings.bytes + LIBRARY_AS_GIVEN_AT, TEXT_FIELD_WIDTH, library, false);
  WriteText(settings.bytes + TEMPORARY_AT, TEMPORARY_FIELD_WIDTH, temporary, true);
}
