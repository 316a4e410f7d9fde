// The registry as the test programs read and prepare it.
#ifndef TARN_HARNESS_REGISTRY_TEXT_H
#define TARN_HARNESS_REGISTRY_TEXT_H

#include <windows.h>

#include <string>

// The value's text (the default value when name is null), or "(missing)" when the key or the
// value is absent: compared with what a test expects, the failure message then says so.
std::string RegistryText(HKEY root, const std::string& key, const char* name = nullptr);
// A REG_DWORD value, or -1 when it is absent or of another type.
long long RegistryNumber(HKEY root, const std::string& key, const char* name);
bool RegistryKeyExists(HKEY root, const std::string& key);
// Creates the key when missing and writes the text; false when either fails.
bool SetRegistryText(HKEY root, const std::string& key, const char* name, const std::string& text);
// The key and everything below it as text: each key's path, then its values (name, type and
// bytes in hexadecimal), the subkeys in the order they are listed; "(missing)" when absent.
// Two readings are equal exactly when the trees are.
std::string RegistryTree(HKEY root, const std::string& key);
// Removes the key with everything below it; true when it is gone.
bool RemoveRegistryTree(HKEY root, const std::string& key);

#endif
