#include "registry_text.h"

#include <shlwapi.h>

#include <cstdio>
#include <vector>

namespace {

const char MISSING[] = "(missing)";

// The value's type and bytes; false when the key or value is absent.
bool ReadValue(HKEY root, const std::string& key, const char* name, DWORD& type, std::vector<BYTE>& bytes) {
  HKEY opened;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return false;
  DWORD size = 0;
  LONG result = RegQueryValueExA(opened, name, nullptr, &type, nullptr, &size);
  if (result == ERROR_SUCCESS) {
    bytes.resize(size);
    result = RegQueryValueExA(opened, name, nullptr, &type, bytes.data(), &size);
    bytes.resize(size);
  }
  RegCloseKey(opened);
  return result == ERROR_SUCCESS;
}

void AppendTree(HKEY parent, const std::string& path, std::string& out) {
  HKEY key;
  if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    out += MISSING;
    return;
  }
  out += "[" + path + "]\n";
  char name[256];
  BYTE data[8192];
  for (DWORD index = 0;; ++index) {
    DWORD nameSize = sizeof name;
    DWORD dataSize = sizeof data;
    DWORD type;
    if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
    char line[64];
    std::snprintf(line, sizeof line, "=%lu:", static_cast<unsigned long>(type));
    out += std::string(name) + line;
    for (DWORD at = 0; at < dataSize; ++at) {
      std::snprintf(line, sizeof line, "%02x", data[at]);
      out += line;
    }
    out += "\n";
  }
  std::vector<std::string> subkeys;
  for (DWORD index = 0; RegEnumKeyA(key, index, name, sizeof name) == ERROR_SUCCESS; ++index) subkeys.push_back(name);
  RegCloseKey(key);
  for (const std::string& subkey : subkeys) AppendTree(parent, path + "\\" + subkey, out);
}

} // namespace

std::string RegistryTree(HKEY root, const std::string& key) {
  std::string out;
  AppendTree(root, key, out);
  return out;
}

std::string RegistryText(HKEY root, const std::string& key, const char* name) {
  DWORD type;
  std::vector<BYTE> bytes;
  if (!ReadValue(root, key, name, type, bytes) || type != REG_SZ) return MISSING;
  std::string text(bytes.begin(), bytes.end());
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

long long RegistryNumber(HKEY root, const std::string& key, const char* name) {
  DWORD type;
  std::vector<BYTE> bytes;
  if (!ReadValue(root, key, name, type, bytes) || type != REG_DWORD || bytes.size() != sizeof(DWORD)) return -1;
  return *reinterpret_cast<const DWORD*>(bytes.data());
}

bool RegistryKeyExists(HKEY root, const std::string& key) {
  HKEY opened;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

bool SetRegistryText(HKEY root, const std::string& key, const char* name, const std::string& text) {
  HKEY created;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS)
    return false;
  const LONG result = RegSetValueExA(created, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                     static_cast<DWORD>(text.size() + 1));
  RegCloseKey(created);
  return result == ERROR_SUCCESS;
}

bool RemoveRegistryTree(HKEY root, const std::string& key) {
  SHDeleteKeyA(root, key.c_str());
  return !RegistryKeyExists(root, key);
}
