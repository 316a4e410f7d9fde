#include "registration/pending_operations.h"

#include <windows.h>

#include <cstdlib>

#include "registration/pending_list.h"

namespace {

constexpr char SESSION_MANAGER_KEY[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr char PENDING_VALUE[] = "PendingFileRenameOperations";

int ShortPathName(const char* path, char* out, uint32_t capacity, void*) {
  const DWORD length = GetShortPathNameA(path, out, capacity);
  return length != 0 && length < capacity;
}

// The value's size, when it holds at least something beyond the closing empty string.
DWORD PendingListSize(HKEY key) {
  BYTE probe[1];
  DWORD size = sizeof probe;
  const LONG status = RegQueryValueExA(key, PENDING_VALUE, nullptr, nullptr, probe, &size);
  return status == ERROR_MORE_DATA || size >= 2 ? size : 0;
}

// Reads the list and writes it back without the path's operations when it held any.
int RewriteWithout(HKEY key, const char* path, char* data, DWORD size, char* output) {
  DWORD type = 0;
  if (RegQueryValueExA(key, PENDING_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS ||
      type != REG_MULTI_SZ)
    return 0;
  const PendingListFilter filtered = FilterPendingList(data, size, path, ShortPathName, nullptr, output);
  if (!filtered.dropped) return 0;
  return RegSetValueExA(key, PENDING_VALUE, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(output),
                        filtered.length) == ERROR_SUCCESS;
}

} // namespace

int RemovePendingOperations(const char* path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SESSION_MANAGER_KEY, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return 0;
  int rewritten = 0;
  const DWORD size = PendingListSize(key);
  if (size != 0) {
    auto* data = static_cast<char*>(std::malloc(size));
    auto* output = static_cast<char*>(std::malloc(size));
    if (data != nullptr && output != nullptr) rewritten = RewriteWithout(key, path, data, size, output);
    std::free(data);
    std::free(output);
  }
  RegCloseKey(key);
  return rewritten;
}
