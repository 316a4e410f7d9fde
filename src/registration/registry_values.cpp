#include "registration/registry_values.h"

#include <cstring>

#include "core/recorded_changes.h"

namespace {
constexpr DWORD SUBKEY_NAME_CAPACITY = 100;
} // namespace

LONG SetDefaultText(HKEY key, const char* text) { return RegSetValueA(key, nullptr, REG_SZ, text, std::strlen(text)); }

LONG SetNamedText(HKEY key, const char* name, const char* text) {
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), std::strlen(text) + 1);
}

LONG SetNamedNumber(HKEY key, const char* name, DWORD number) {
  return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
}

HKEY WriteUninstallEntry(const char* keyName, const char* displayName, const char* command) {
  char path[PATH_CAPACITY];
  HKEY key;
  if (!JoinPath(path, sizeof path, {UNINSTALL_KEY, keyName}) ||
      CreateRecordedKey(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
    return nullptr;
  SetNamedText(key, "DisplayName", displayName);
  SetNamedText(key, "UninstallString", command);
  return key;
}

int DeleteKeyTree(HKEY parent, const char* name) {
  HKEY key;
  if (RegOpenKeyA(parent, name, &key) != ERROR_SUCCESS) return 0;
  char subkey[SUBKEY_NAME_CAPACITY];
  DWORD index = 0;
  while (RegEnumKeyA(key, index, subkey, SUBKEY_NAME_CAPACITY) == ERROR_SUCCESS) {
    // A deleted subkey's place is taken by the next one; one that stays is looked past.
    if (!DeleteKeyTree(key, subkey)) ++index;
  }
  RegCloseKey(key);
  return RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
}

void KeyPair::CloseFirst() {
  RegCloseKey(first);
  first = nullptr;
}

void KeyPair::CloseSecond() {
  RegCloseKey(second);
  second = nullptr;
}

void KeyPair::CloseBoth() {
  if (second != nullptr) RegCloseKey(second);
  if (first != nullptr) RegCloseKey(first);
}
