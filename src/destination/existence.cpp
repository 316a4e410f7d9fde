#include "destination/existence.h"

#include <windows.h>

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
