#include "finish/finish.h"

#include <cstdlib>

#include "core/install_state.h"
#include "destination/directories.h"
#include "finish/pending_list.h"

namespace {

constexpr char PENDING_PREFIX[] = "\\??\\";
constexpr char SESSION_MANAGER_KEY[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr char PENDING_VALUE[] = "PendingFileRenameOperations";
// In the Windows directory, where the profile functions look for a name without a path.
constexpr char WININIT[] = "WININIT.INI";

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

int ShortPathName(const char* path, char* out, uint32_t capacity, void*) {
  const DWORD length = GetShortPathNameA(path, out, capacity);
  return length != 0 && length < capacity;
}

// The most the profile functions of Windows 95, 98 and Me hand over.
constexpr DWORD RENAME_SECTION_LIMIT = 32767;

// WININIT.INI's [rename] section without its operations on the path (behind its prefix), as
// the pending list. Through the profile functions, which keep every "NUL=" line although they
// share their key.
void RemoveWininitOperations(const char* path) {
  auto* entries = static_cast<char*>(std::malloc(2 * RENAME_SECTION_LIMIT));
  if (entries == nullptr) return;
  const DWORD length = GetPrivateProfileSectionA("rename", entries, RENAME_SECTION_LIMIT, WININIT);
  // A section that filled the buffer may have been cut short: it is left as it is.
  if (length < RENAME_SECTION_LIMIT - 2 &&
      FilterPendingList(entries, length + 1, path, ShortPathName, nullptr, entries + RENAME_SECTION_LIMIT, 1).dropped)
    WritePrivateProfileSectionA("rename", entries + RENAME_SECTION_LIMIT, WININIT);
  std::free(entries);
}

// Both lists' operations on the path: the platform's pending list and, on Windows 95, 98 and
// Me, WININIT.INI.
void TakeBackRestartOperationsOn(const char* path) {
  char prefixed[PATH_CAPACITY];
  if (!JoinPath(prefixed, sizeof prefixed, {PENDING_PREFIX, path})) return;
  RemovePendingOperations(prefixed);
  RemoveWininitOperations(prefixed);
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

// Deletes each from the destination directory; one that is missing or cannot be deleted is
// passed over without a message.
void DeleteObsoleteFiles(const char* const* names) {
  char path[PATH_CAPACITY];
  for (; names != nullptr && *names != nullptr; ++names)
    if (JoinDirectoryAndName(path, sizeof path, GetDestinationDirectory(), *names)) DeleteFileA(path);
}

} // namespace

void ReadDesktopSettings(DesktopSettings& settings) {
  char* library = VariableValue("TARNWIN_LIB");
  char* temporary = VariableValue("TEMP");
  FillDesktopSettings(settings, library, temporary);
  std::free(library);
  std::free(temporary);
}

void CreateDesktopFile(const char* fileName, const char* name, uint16_t version) {
  char path[PATH_CAPACITY];
  if (!JoinDirectoryAndName(path, sizeof path, GetDestinationDirectory(), fileName)) return;
  // Whatever is there is the user's: a reinstallation keeps it as it was.
  if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return;
  DesktopSettings settings;
  ReadDesktopSettings(settings);
  DesktopFile desktop(DESKTOP_SIGNATURE, name, version);
  desktop.SetItem(DESKTOP_SETTINGS_KEY, settings.bytes, sizeof settings.bytes);
  desktop.Save(path);
}

int RemovePendingOperations(const char* path) {
  HKEY key;
  if (RegOpenKeyA(HKEY_LOCAL_MACHINE, SESSION_MANAGER_KEY, &key) != ERROR_SUCCESS) return 0;
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

void FinishInstallation(int failureCode) {
  const Catalogue& catalogue = installState.catalogue;
  if (failureCode == NO_FAILURE) DeleteObsoleteFiles(catalogue.obsoleteFiles);
  if (catalogue.desktopFileName != nullptr)
    CreateDesktopFile(catalogue.desktopFileName, catalogue.desktopName, catalogue.desktopVersion);
  TakeBackRestartOperations();
}

void TakeBackRestartOperations() {
  const char* directory = GetDestinationDirectory();
  char file[PATH_CAPACITY];
  for (const char* const* name = installState.catalogue.restartGuardedFiles; name != nullptr && *name != nullptr; ++name)
    if (JoinDirectoryAndName(file, sizeof file, directory, *name)) TakeBackRestartOperationsOn(file);
  TakeBackRestartOperationsOn(directory);
}
