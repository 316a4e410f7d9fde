#include "destination/directories.h"

#include <windows.h>

#include "core/bounded_text.h"
#include "core/install_state.h"
#include "core/recorded_changes.h"
#include "destination/disk_space.h"

const char CURRENT_VERSION_KEY[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

namespace {

const char BUILT_IN_PROGRAM_FILES[] = "C:\\Program Files";
const char BUILT_IN_COMMON_FILES[] = "C:\\Program Files\\Common Files";
// Just past a leading "X:\".
constexpr int FIRST_LEVEL_OFFSET = 3;

int FailWithBeep() {
  MessageBeep(0);
  return 0;
}

// The path below a system folder, or false when not even the built-in folder leaves room.
bool ComposeBelowPlatformFolder(char (&path)[PATH_CAPACITY], const char* valueName, const char* builtIn,
                                const char* first, const char* second) {
  char folder[PATH_CAPACITY];
  ReadPlatformFolder(valueName, folder);
  return ComposeFolderPath(path, folder, builtIn, first, second);
}

} // namespace

int DirectoryExists(const char* path) {
  if (path == nullptr) return 0;
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int FileExists(const char* path) {
  if (path == nullptr || path[0] == '\0') return 0;
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

int CreateDirectoryTree(const char* path) {
  if (!IsDriveFormPath(path)) return 0;
  if (!FitsAsDirectoryPath(path)) return FailWithBeep();
  char working[PATH_CAPACITY];
  CopyBounded(working, sizeof working, path);
  AppendBackslash(working, sizeof working); // fits: checked above
  for (char* separator = working + FIRST_LEVEL_OFFSET; *separator != '\0'; ++separator) {
    if (*separator != '\\') continue;
    *separator = '\0';
    const bool made = MakeRecordedDirectory(working);
    *separator = '\\';
    if (!made) return FailWithBeep();
  }
  return 1;
}

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

int32_t QueryFreeSpace(char driveLetter) {
  const char root[] = {driveLetter, ':', '\\', '\0'};
  DWORD sectorsPerCluster = 0;
  DWORD bytesPerSector = 0;
  DWORD freeClusters = 0;
  DWORD totalClusters = 0;
  if (!GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
    return FREE_SPACE_NOT_AVAILABLE;
  UpdateSectorSize(installState.sectorSize, bytesPerSector);
  return FreeSpaceFromGeometry(sectorsPerCluster, bytesPerSector, freeClusters);
}

const char* GetDestinationDirectory() { return installState.destinationDirectory; }

void StoreDestinationDirectory(const char* path) {
  CopyBounded(installState.destinationDirectory, sizeof installState.destinationDirectory, path);
}

int32_t StoreDestinationAndQueryDrive(const char* path) {
  StoreDestinationDirectory(path);
  return QueryFreeSpace(installState.destinationDirectory[0]);
}

void SetDefaultDestination(const char* productFolder) {
  if (IsEmptyText(productFolder)) return;
  char path[PATH_CAPACITY];
  if (ComposeBelowPlatformFolder(path, PROGRAM_FILES_VALUE, BUILT_IN_PROGRAM_FILES, productFolder, nullptr))
    StoreDestinationAndQueryDrive(path);
}

void SetSharedDirectory(const char* first, const char* second) {
  if (IsEmptyText(first) || IsEmptyText(second)) return;
  char path[PATH_CAPACITY];
  ComposeBelowPlatformFolder(path, COMMON_FILES_VALUE, BUILT_IN_COMMON_FILES, first, second);
  CopyBounded(installState.sharedDirectory, sizeof installState.sharedDirectory, path);
}

const char* GetSharedDirectory() {
  if (installState.sharedDirectory[0] == '\0') return nullptr;
  const char* shared = installState.sharedDirectory;
  return UpperCase(shared[0]) == UpperCase(installState.destinationDirectory[0]) ? shared : nullptr;
}

bool MakeDestinationDirectory() {
  const char* destination = GetDestinationDirectory();
  if (DirectoryExists(destination) && FitsAsDirectoryPath(destination)) return true;
  return CreateDirectoryTree(destination) != 0;
}

int OldInstallationFound() {
  const char* program = installState.catalogue.programFile;
  if (!installState.programChosen || IsEmptyText(program)) return 0;
  // Always joined with a backslash of its own: a root such as C:\ gives C:\\tarn.exe, which
  // the file system accepts. Room for the longest destination and name: a path cut short would
  // name another file.
  char path[2 * PATH_CAPACITY];
  return JoinPath(path, sizeof path, {GetDestinationDirectory(), "\\", program}) && FileExists(path);
}
