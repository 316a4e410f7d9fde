#include "destination/directory_tree.h"

#include <windows.h>

#include "core/bounded_format.h"
#include "core/path_rules.h"
#include "destination/directory_path.h"
#include "destination/existence.h"

namespace {

// Just past a leading "X:\".
constexpr int FIRST_LEVEL_OFFSET = 3;

int FailWithBeep() {
  MessageBeep(0);
  return 0;
}

} // namespace

int CreateDirectoryTree(const char* path) {
  if (!IsDriveFormPath(path)) return 0;
  if (!FitsAsDirectoryPath(path)) return FailWithBeep();
  char working[PATH_CAPACITY];
  CopyBounded(working, sizeof working, path);
  AppendBackslash(working, sizeof working); // fits: checked above
  for (char* separator = working + FIRST_LEVEL_OFFSET; *separator != '\0'; ++separator) {
    if (*separator != '\\') continue;
    *separator = '\0';
    const bool made = DirectoryExists(working) || CreateDirectoryA(working, nullptr);
    *separator = '\\';
    if (!made) return FailWithBeep();
  }
  return 1;
}
