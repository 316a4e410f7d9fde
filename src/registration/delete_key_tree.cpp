#include "registration/delete_key_tree.h"

namespace {
constexpr DWORD SUBKEY_NAME_CAPACITY = 100;
} // namespace

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
