#include "destination/directory_path.h"

#include <cstring>

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool Compose(char (&out)[PATH_CAPACITY], const char* folder, const char* first, const char* second) {
  const char* separator = EndsInBackslash(folder) ? "" : "\\";
  if (second == nullptr) return JoinPath(out, sizeof out, {folder, separator, first});
  return JoinPath(out, sizeof out, {folder, separator, first, "\\", second});
}

} // namespace

bool IsDriveFormPath(const char* path) {
  if (path == nullptr || !IsLetter(path[0])) return false;
  return path[1] == ':' || (path[1] != '\0' && path[2] == '\\');
}

bool FitsAsDirectoryPath(const char* path) {
  const size_t withBackslash = std::strlen(path) + (EndsInBackslash(path) ? 0 : 1);
  return withBackslash < PATH_CAPACITY;
}

bool ComposeFolderPath(char (&out)[PATH_CAPACITY], const char* folder, const char* fallbackFolder,
                       const char* first, const char* second) {
  if (folder[0] != '\0' && Compose(out, folder, first, second)) return true;
  return Compose(out, fallbackFolder, first, second);
}
