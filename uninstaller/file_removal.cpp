#include "file_removal.h"

#include <windows.h>

#include "core/catalogue.h"
#include "payload/crc32.h"
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

constexpr DWORD READ_PIECE = 32768;

enum class Content { AS_INSTALLED, CHANGED, UNREADABLE };

bool IsNotSharable(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

// Whether the file is still what setup.exe installed: the row's size, then its check value.
Content ReadContent(const char* path, const FileEntry& row, void* piece) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Content::UNREADABLE;
  Content content = Content::CHANGED;
  if (GetFileSize(file, nullptr) == static_cast<DWORD>(row.size)) {
    uint32_t crc = CRC32_START;
    DWORD read = 0;
    bool whole = true;
    while ((whole = ReadFile(file, piece, READ_PIECE, &read, nullptr) != FALSE) && read != 0)
      crc = Crc32Update(piece, read, crc);
    if (!whole)
      content = Content::UNREADABLE;
    else if (crc == row.checkValue)
      content = Content::AS_INSTALLED;
  }
  CloseHandle(file);
  return content;
}

void RemoveProductFile(const char* path, const FileEntry& row, void* piece, RemovalReport& report) {
  const Content content = ReadContent(path, row, piece);
  if (content == Content::CHANGED) {
    report.changed.Add(row.name);
    return;
  }
  if (content == Content::AS_INSTALLED) {
    if ((GetFileAttributesA(path) & FILE_ATTRIBUTE_READONLY) != 0) {
      report.refused.Add(row.name);
      return;
    }
    if (DeleteFileA(path)) {
      ++report.filesRemoved;
      return;
    }
  }
  // A file that cannot be read is not known to be ours either: it is not deleted.
  (IsNotSharable(GetLastError()) ? report.held : report.refused).Add(row.name);
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
  void* piece = HeapAlloc(GetProcessHeap(), 0, READ_PIECE);
  char path[PATH_CAPACITY];
  for (const FileEntry& row : TableRows(productFiles)) {
    if (IsTheRunningUninstaller(installation, row.name) || !InFolder(installation, row.name, path) || !ExistsPath(path)) continue;
    if (piece != nullptr)
      RemoveProductFile(path, row, piece, report);
    else
      report.refused.Add(row.name);
  }
  if (piece != nullptr) HeapFree(GetProcessHeap(), 0, piece);
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
    // A product file still here is changed, held or refused, and named as such.
    if (!IsProductFile(found.cFileName)) report.kept.Add(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return onlyProgram;
}
