// Text values and uninstall entries, written with their terminating NUL.
#ifndef TARN_REGISTRATION_REGISTRY_VALUES_H
#define TARN_REGISTRATION_REGISTRY_VALUES_H

#include <windows.h>

// The key's default value.
LONG SetDefaultText(HKEY key, const char* text);
LONG SetNamedText(HKEY key, const char* name, const char* text);

// The platform's key of uninstall entries, under HKEY_LOCAL_MACHINE; an entry's name follows.
constexpr char UNINSTALL_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// "DisplayName" and "UninstallString" below the platform's uninstall key; 0 when the entry's
// key cannot be created. Nothing is reported: the caller goes on either way.
int WriteUninstallEntry(const char* keyName, const char* displayName, const char* command);

#endif
