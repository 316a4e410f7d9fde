#include "destination/platform_folders.h"

#include <windows.h>

namespace {
const char CURRENT_VERSION_KEY[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
} // namespace

void ReadPlatformFolder(const char* valueName, char (&folder)[PATH_CAPACITY]) {
  folder[0] = '\0';
  HKEY key;
  if (RegOpenKeyA(HKEY_LOCAL_MACHINE, CURRENT_VERSION_KEY, &key) != ERROR_SUCCESS) return;
  DWORD type = REG_SZ;
  DWORD size = PATH_CAPACITY - 1;
  const LONG status = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(folder), &size);
  RegCloseKey(key);
  const bool read = status == ERROR_SUCCESS && type == REG_SZ && size < PATH_CAPACITY;
  // A stored string need not carry its terminator, so the text ends where the data ends.
  folder[read ? size : 0] = '\0';
}
