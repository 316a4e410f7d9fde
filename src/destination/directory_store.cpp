#include "destination/directory_store.h"

#include "core/bounded_format.h"
#include "core/path_rules.h"
#include "destination/directory_path.h"
#include "destination/free_space_query.h"
#include "destination/platform_folders.h"

namespace {

const char BUILT_IN_PROGRAM_FILES[] = "C:\\Program Files";
const char BUILT_IN_COMMON_FILES[] = "C:\\Program Files\\Common Files";

char destinationDirectory[PATH_CAPACITY];
char sharedDirectory[PATH_CAPACITY];

bool IsEmpty(const char* text) { return text == nullptr || text[0] == '\0'; }

// The path below a system folder, or false when not even the built-in folder leaves room.
bool ComposeBelowPlatformFolder(char (&path)[PATH_CAPACITY], const char* valueName, const char* builtIn,
                                const char* first, const char* second) {
  char folder[PATH_CAPACITY];
  ReadPlatformFolder(valueName, folder);
  return ComposeFolderPath(path, folder, builtIn, first, second);
}

} // namespace

const char* GetDestinationDirectory() { return destinationDirectory; }

void StoreDestinationDirectory(const char* path) {
  CopyBounded(destinationDirectory, sizeof destinationDirectory, path);
}

int32_t SetDestinationDirectory(const char* path) {
  StoreDestinationDirectory(path);
  return QueryFreeSpace(destinationDirectory[0]);
}

void SetDefaultDestination(const char* productFolder) {
  if (IsEmpty(productFolder)) return;
  char path[PATH_CAPACITY];
  if (ComposeBelowPlatformFolder(path, PROGRAM_FILES_VALUE, BUILT_IN_PROGRAM_FILES, productFolder, nullptr))
    SetDestinationDirectory(path);
}

void SetSharedDirectory(const char* first, const char* second) {
  if (IsEmpty(first) || IsEmpty(second)) return;
  char path[PATH_CAPACITY];
  ComposeBelowPlatformFolder(path, COMMON_FILES_VALUE, BUILT_IN_COMMON_FILES, first, second);
  CopyBounded(sharedDirectory, sizeof sharedDirectory, path);
}

const char* GetSharedDirectory() {
  if (sharedDirectory[0] == '\0') return nullptr;
  return UpperCase(sharedDirectory[0]) == UpperCase(destinationDirectory[0]) ? sharedDirectory : nullptr;
}
