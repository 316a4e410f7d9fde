#include "destination/directory_path.h"

#include <cstring>

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Appends text when it fits together with the terminator; false leaves out unchanged.
bool Append(char (&out)[PATH_CAPACITY], size_t& length, const char* text) {
  const size_t added = std::strlen(text);
  if (length + added >= PATH_CAPACITY) return false;
  std::memcpy(out + length, text, added + 1);
  length += added;
  return true;
}

bool Compose(char (&out)[PATH_CAPACITY], const char* folder, const char* first, const char* second) {
  size_t length = 0;
  out[0] = '\0';
  if (!Append(out, length, folder)) return false;
  if (!EndsInBackslash(out) && !Append(out, length, "\\")) return false;
  if (!Append(out, length, first)) return false;
  if (second == nullptr) return true;
  return Append(out, length, "\\") && Append(out, length, second);
}

} // namespace

bool EndsInBackslash(const char* path) {
  const size_t length = std::strlen(path);
  return length > 0 && path[length - 1] == '\\';
}

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
  if (Compose(out, fallbackFolder, first, second)) return true;
  out[0] = '\0';
  return false;
}
