#include "file_removal.h"

#include <windows.h>

#include "core/catalogue.h"
#include "wizard/product.h"

namespace {

bool IsTheRunningUninstaller(const Installation& installation, const char* name) {
  return EqualIgnoringCase(name, installation.programName);
}

bool IsProductFile(const char* name) {
  for (const FileEntry& row : TableRows(productFiles))
    if (EqualIgnoringCase(name, row.name)) return true;
  return false;
}

bool IsDotEntry(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

} // namespace

bool ProductFilesPresent(const Installation& installation) {
  char path[PATH_CAPACITY];
  for (const FileEntry& row : TableRows(productFiles))
    if (!IsTheRunningUninstaller(installation, row.name) && InFolder(installation, row.name, path) && ExistsPath(path)) return true;
  return false;
}

void RemoveProductFiles(const Installation& installation, RemovalReport& report) {
  char path[PATH_CAPACITY];
  for (const FileEntry& row : TableRows(productFiles)) {
    if (IsTheRunningUninstaller(installation, row.name) || !InFolder(installation, row.name, path) || !ExistsPath(path)) continue;
    if (DeleteFileA(path))
      ++report.filesRemoved;
    else
      report.held.Add(row.name);
  }
}

bool ListKeptFiles(const Installation& installation, RemovalReport& report) {
  char pattern[PATH_CAPACITY];
  WIN32_FIND_DATAA found;
  if (!InFolder(installation, "*", pattern)) return false;
  HANDLE search = FindFirstFileA(pattern, &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool onlyProgram = true;
  do {
    if (IsDotEntry(found.cFileName) || IsTheRunningUninstaller(installation, found.cFileName)) continue;
    onlyProgram = false;
    // A product file still here is held open, and named as such.
    if (!IsProductFile(found.cFileName)) report.kept.Add(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return onlyProgram;
}
