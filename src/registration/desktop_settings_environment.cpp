// The desktop settings record from the environment, read whatever the values' lengths.
#include <windows.h>

#include <cstdlib>

#include "core/finishing.h"
#include "registration/desktop_settings.h"

namespace {

// The variable's whole value (to be freed), or null when it is not set.
char* VariableValue(const char* name) {
  const DWORD needed = GetEnvironmentVariableA(name, nullptr, 0);
  if (needed == 0) return nullptr;
  auto* value = static_cast<char*>(std::malloc(needed));
  if (value == nullptr) return nullptr;
  const DWORD length = GetEnvironmentVariableA(name, value, needed);
  if (length == 0 || length >= needed) {
    std::free(value);
    return nullptr;
  }
  return value;
}

} // namespace

void BuildDesktopSettings() {
  char* library = VariableValue("TARNWIN_LIB");
  char* temporary = VariableValue("TEMP");
  FillDesktopSettings(desktopSettings, library, temporary);
  std::free(library);
  std::free(temporary);
}
