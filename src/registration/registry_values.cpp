#include "registration/registry_values.h"

#include "core/path_rules.h"

LONG SetDefaultText(HKEY key, const char* text) { return RegSetValueA(key, nullptr, REG_SZ, text, lstrlenA(text)); }

LONG SetNamedText(HKEY key, const char* name, const char* text) {
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), lstrlenA(text) + 1);
}

int WriteUninstallEntry(const char* keyName, const char* displayName, const char* command) {
  char path[PATH_CAPACITY];
  HKEY key;
  if (!JoinPath(path, sizeof path, {UNINSTALL_KEY, keyName}) ||
      RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return 0;
  SetNamedText(key, "DisplayName", displayName);
  SetNamedText(key, "UninstallString", command);
  RegCloseKey(key);
  return 1;
}
