#include "core/recorded_changes.h"

#include <cstring>

#include "core/bounded_text.h"
#include "core/install_state.h"

namespace {

// A copied name and value: no value that the run changes comes near this; a longer one is not
// copied, and its key is then not changed.
constexpr DWORD COPY_NAME_CAPACITY = 260;
constexpr DWORD COPY_DATA_CAPACITY = 4096;
char copyName[COPY_NAME_CAPACITY];
BYTE copyData[COPY_DATA_CAPACITY];

HKEY OpenRecord() {
  HKEY record;
  return RegCreateKeyA(HKEY_LOCAL_MACHINE, installState.catalogue.runRecordKey, &record) == ERROR_SUCCESS ? record
                                                                                                         : nullptr;
}

// The missing key and each missing level above it, from the top down.
int RecordMissingLevels(HKEY root, char rootMark, const char* path) {
  char level[PATH_CAPACITY];
  for (size_t length = 0; length < sizeof level; ++length) {
    const char next = path[length];
    if (next != '\\' && next != '\0') continue;
    CopyBounded(level, length + 1, path);
    HKEY key;
    if (RegOpenKeyA(root, level, &key) == ERROR_SUCCESS)
      RegCloseKey(key);
    else if (!RecordChange(next == '\0' ? RECORD_KEY_CREATED : RECORD_KEY_LEVEL_CREATED, level, rootMark))
      return 0;
    if (next == '\0') return 1;
  }
  return 0;
}

} // namespace

void RecordLineName(int number, char (&name)[12]) { *PutDecimal(name, static_cast<uint32_t>(number)) = '\0'; }

int RecordChange(RecordKind kind, const char* path, char root) {
  char line[RECORD_LINE_CAPACITY];
  const HKEY record = ComposeRecordLine(line, kind, root, path) ? OpenRecord() : nullptr;
  if (record == nullptr) return 0;
  char name[12];
  RecordLineName(installState.recordLines, name);
  const LONG status =
      RegSetValueExA(record, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(line), std::strlen(line) + 1);
  RegCloseKey(record);
  if (status != ERROR_SUCCESS) return 0;
  ++installState.recordLines;
  return 1;
}

bool MakeRecordedDirectory(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return RecordChange(RECORD_DIRECTORY_CREATED, path) && CreateDirectoryA(path, nullptr);
}

bool CopyKeyTree(HKEY from, HKEY to) {
  LONG status;
  for (DWORD index = 0;; ++index) {
    DWORD nameSize = COPY_NAME_CAPACITY;
    DWORD dataSize = COPY_DATA_CAPACITY;
    DWORD type;
    status = RegEnumValueA(from, index, copyName, &nameSize, nullptr, &type, copyData, &dataSize);
    if (status == ERROR_SUCCESS) status = RegSetValueExA(to, copyName, 0, type, copyData, dataSize);
    if (status != ERROR_SUCCESS) break;
  }
  if (status != ERROR_NO_MORE_ITEMS) return false;
  for (DWORD index = 0; (status = RegEnumKeyA(from, index, copyName, COPY_NAME_CAPACITY)) == ERROR_SUCCESS; ++index) {
    HKEY fromChild;
    HKEY toChild = nullptr;
    if (RegOpenKeyA(from, copyName, &fromChild) != ERROR_SUCCESS) return false;
    const bool copied = RegCreateKeyA(to, copyName, &toChild) == ERROR_SUCCESS && CopyKeyTree(fromChild, toChild);
    RegCloseKey(toChild); // null when it was not made: refused, harmlessly
    RegCloseKey(fromChild);
    if (!copied) return false;
  }
  return status == ERROR_NO_MORE_ITEMS;
}

int SaveKeyBeforeChange(HKEY root, const char* path) {
  if (root != HKEY_CLASSES_ROOT && root != HKEY_LOCAL_MACHINE) return 1;
  const char rootMark = root == HKEY_CLASSES_ROOT ? RECORD_CLASSES_ROOT : RECORD_MACHINE_ROOT;
  HKEY key;
  if (RegOpenKeyA(root, path, &key) != ERROR_SUCCESS) return RecordMissingLevels(root, rootMark, path);
  // The whole key, under the number that its line will have.
  const HKEY record = OpenRecord();
  char name[12];
  RecordLineName(installState.recordLines, name);
  HKEY saved = nullptr;
  const bool copied = record != nullptr && RegCreateKeyA(record, name, &saved) == ERROR_SUCCESS && CopyKeyTree(key, saved);
  RegCloseKey(saved);
  RegCloseKey(record);
  RegCloseKey(key);
  return copied && RecordChange(RECORD_KEY_SAVED, path, rootMark);
}

LONG CreateRecordedKey(HKEY root, const char* path, HKEY* key) {
  return SaveKeyBeforeChange(root, path) ? RegCreateKeyA(root, path, key) : ERROR_ACCESS_DENIED;
}
