#include "core/file_rules.h"

#include <cstring>

bool EndsInBackslash(const char* path) {
  const size_t length = std::strlen(path);
  return length > 0 && path[length - 1] == '\\';
}

const char* LastOf(const char* text, char wanted) {
  const char* found = nullptr;
  for (const char* p = text; *p != '\0'; ++p)
    if (*p == wanted) found = p;
  return found;
}

const char* NameAfterLastBackslash(const char* path) {
  const char* backslash = LastOf(path, '\\');
  return backslash != nullptr ? backslash + 1 : path;
}

bool JoinPath(char* out, size_t capacity, std::initializer_list<const char*> parts) {
  size_t length = 0;
  for (const char* part : parts) {
    const size_t partLength = std::strlen(part);
    if (length + partLength >= capacity) {
      if (capacity > 0) out[0] = '\0';
      return false;
    }
    for (size_t i = 0; i < partLength; ++i) out[length + i] = part[i];
    length += partLength;
  }
  out[length] = '\0';
  return true;
}

bool JoinDirectoryAndName(char* out, size_t capacity, const char* directory, const char* name) {
  const char* separator = directory[0] == '\0' || EndsInBackslash(directory) ? "" : "\\";
  return JoinPath(out, capacity, {directory, separator, name});
}

bool AppendBackslash(char* directory, size_t capacity) {
  if (EndsInBackslash(directory)) return true;
  const size_t length = std::strlen(directory);
  if (length + 1 >= capacity) return false;
  directory[length] = '\\';
  directory[length + 1] = '\0';
  return true;
}

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

char LowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(const char* left, const char* right) {
  for (; *left != '\0' && *right != '\0'; ++left, ++right)
    if (LowerCase(*left) != LowerCase(*right)) return false;
  return *left == *right;
}

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

void UpdateSectorSize(SectorSize& unit, uint32_t bytesPerSector) {
  if (bytesPerSector == 0) return;
  int32_t shifts = 0;
  for (uint32_t rest = bytesPerSector; rest != 0; rest >>= 1) ++shifts;
  unit.exponent = shifts - 1;
}

int32_t RoundUpToSectors(const SectorSize& unit, int32_t size) {
  const uint32_t unitBytes = uint32_t{1} << unit.exponent;
  return static_cast<int32_t>((unitBytes + static_cast<uint32_t>(size) - 1) & ~(unitBytes - 1));
}
