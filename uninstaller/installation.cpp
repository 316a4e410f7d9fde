#include "installation.h"

#include <windows.h>

bool FindInstallation(Installation& installation) {
  const DWORD length = GetModuleFileNameA(nullptr, installation.program, PATH_CAPACITY);
  if (length == 0 || length >= PATH_CAPACITY) return false;
  installation.programName = NameAfterLastBackslash(installation.program);
  if (installation.programName == installation.program) return false;
  const auto folderLength = static_cast<size_t>(installation.programName - 1 - installation.program);
  for (size_t i = 0; i < folderLength; ++i) installation.folder[i] = installation.program[i];
  installation.folder[folderLength] = '\0';
  return true;
}

bool InFolder(const Installation& installation, const char* name, char* path) {
  return JoinDirectoryAndName(path, PATH_CAPACITY, installation.folder, name);
}

bool ExistsPath(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }
