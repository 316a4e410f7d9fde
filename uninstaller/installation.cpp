#include "installation.h"

#include <windows.h>

namespace {

size_t WithoutTrailingBackslashes(const char* path, size_t length) {
  while (length != 0 && path[length - 1] == '\\') --length;
  return length;
}

// The folder part of a path before its last backslash: "C:" for "C:\tarn.exe", as for
// "C:\\tarn.exe", whose form the uninstall entry has at a root.
size_t FolderLength(const char* path, size_t length) {
  while (length != 0 && path[length - 1] != '\\') --length;
  return WithoutTrailingBackslashes(path, length);
}

void CopyPart(char (&out)[PATH_CAPACITY], const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i) out[i] = text[i];
  out[length] = '\0';
}

bool SameFolder(const char* left, const char* right) {
  char leftShort[PATH_CAPACITY];
  char rightShort[PATH_CAPACITY];
  if (EqualIgnoringCase(left, right)) return true;
  const DWORD leftLength = GetShortPathNameA(left, leftShort, sizeof leftShort);
  const DWORD rightLength = GetShortPathNameA(right, rightShort, sizeof rightShort);
  return leftLength != 0 && leftLength < sizeof leftShort && rightLength != 0 && rightLength < sizeof rightShort &&
         EqualIgnoringCase(leftShort, rightShort);
}

bool IsRoot(const char* folder) {
  if (folder[0] != '\0' && folder[1] == ':') return folder[2] == '\0' || (folder[2] == '\\' && folder[3] == '\0');
  // "\\server\share" is the root of its drive.
  unsigned backslashes = 0;
  for (const char* c = folder; *c != '\0'; ++c) backslashes += *c == '\\';
  return folder[0] == '\\' && folder[1] == '\\' && backslashes <= 3;
}

} // namespace

bool FindInstallation(Installation& installation) {
  const DWORD length = GetModuleFileNameA(nullptr, installation.program, PATH_CAPACITY);
  if (length == 0 || length >= PATH_CAPACITY) return false;
  installation.programName = NameAfterLastBackslash(installation.program);
  if (installation.programName == installation.program) return false;
  size_t folderLength = FolderLength(installation.program, length);
  if (folderLength == 0) return false;
  // A drive's root keeps its backslash.
  if (installation.program[folderLength - 1] == ':') ++folderLength;
  CopyPart(installation.folder, installation.program, folderLength);
  installation.atRoot = IsRoot(installation.folder);
  // Started as the entry names it at a root, "C:\\uninstal.exe", the program is named anew
  // with one backslash, as its restart deletion must name it.
  char name[PATH_CAPACITY];
  CopyPart(name, installation.programName, static_cast<size_t>(lstrlenA(installation.programName)));
  if (!InFolder(installation, name, installation.program)) return false;
  installation.programName = NameAfterLastBackslash(installation.program);
  return true;
}

bool InFolder(const Installation& installation, const char* name, char* path) {
  return JoinDirectoryAndName(path, PATH_CAPACITY, installation.folder, name);
}

bool ExistsPath(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

bool InOwnFolder(const Installation& installation, const char* path) {
  char folder[PATH_CAPACITY];
  char own[PATH_CAPACITY];
  const size_t length = FolderLength(path, static_cast<size_t>(lstrlenA(path)));
  if (length == 0) return false;
  CopyPart(folder, path, length);
  // Compared without a root's backslash on either side, so "C:" is taken for "C:\".
  CopyPart(own, installation.folder,
           WithoutTrailingBackslashes(installation.folder, static_cast<size_t>(lstrlenA(installation.folder))));
  if (EqualIgnoringCase(folder, own)) return true;
  // "C:" alone names a current directory, which no short name may be taken from.
  return !installation.atRoot && folder[length - 1] != ':' && SameFolder(folder, installation.folder);
}

bool NamesOwnFile(const Installation& installation, const char* value, const char* name) {
  const size_t nameLength = static_cast<size_t>(lstrlenA(name));
  // Another program may have put the path in quotes.
  if (*value == '"') ++value;
  for (const char* at = value; *at != '\0'; ++at) {
    if (*at != '\\') continue;
    size_t i = 0;
    while (i < nameLength && LowerCase(at[1 + i]) == LowerCase(name[i])) ++i;
    if (i != nameLength) continue;
    const char after = at[1 + nameLength];
    if (after != '\0' && after != ' ' && after != ',' && after != '"') continue;
    char path[PATH_CAPACITY];
    const auto pathLength = static_cast<size_t>(at - value) + 1 + nameLength;
    if (pathLength >= PATH_CAPACITY) return false;
    CopyPart(path, value, pathLength);
    // A folder of the path may hold the name with a blank after it: the next one may be the file.
    if (InOwnFolder(installation, path)) return true;
  }
  return false;
}
