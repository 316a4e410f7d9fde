// The registry layer: text values, uninstall entries, deleting a key with everything below it,
// and two open keys of a chain closed in one place.
#ifndef TARN_REGISTRATION_REGISTRY_VALUES_H
#define TARN_REGISTRATION_REGISTRY_VALUES_H

#include <windows.h>

#include "core/file_rules.h"

// The key's default value; text values are written with their terminating NUL.
LONG SetDefaultText(HKEY key, const char* text);
LONG SetNamedText(HKEY key, const char* name, const char* text);
LONG SetNamedNumber(HKEY key, const char* name, DWORD number);

// A command line or a value made of a path: the path, its quotes, a switch or an icon's index.
constexpr size_t COMMAND_CAPACITY = PATH_CAPACITY + 16;

// The platform's key of uninstall entries, under HKEY_LOCAL_MACHINE; an entry's name follows.
constexpr char UNINSTALL_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// "DisplayName" and "UninstallString" below the platform's uninstall key. The entry's key, open
// for more values, or null when it cannot be created. Nothing is reported: the caller goes on
// either way.
HKEY WriteUninstallEntry(const char* keyName, const char* displayName, const char* command);

// 1 when the named key and every key below it were deleted, else 0. A subkey that stays is
// stepped past, so its siblings still go; one whose name does not fit the enumeration buffer
// ends the walk.
int DeleteKeyTree(HKEY parent, const char* name);

// Two open keys of a chain of nested keys, closed in one place.
struct KeyPair {
  HKEY first;
  HKEY second;

  void CloseFirst();
  void CloseSecond();
  // The last act on every way out of a chain.
  void CloseBoth();
};

#endif
