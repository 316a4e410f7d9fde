#include "finish/run_end.h"

#include <windows.h>

#include "core/install_state.h"
#include "core/recorded_changes.h"
#include "registration/registry_values.h"

namespace {

// The forms of a file that a run writes before the file takes its name.
const char TEMPORARY_MARKS[] = {WHOLE_MARK, COMPRESSED_MARK, '\0'};

bool ReadLine(HKEY record, int number, char (&text)[RECORD_LINE_CAPACITY]) {
  char name[12];
  RecordLineName(number, name);
  DWORD type;
  DWORD size = sizeof text - 1;
  if (RegQueryValueExA(record, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return false;
  text[size] = '\0';
  return true;
}

void UndoFile(const RecordLine& line) {
  char marked[PATH_CAPACITY];
  for (const char* mark = TEMPORARY_MARKS; *mark != '\0'; ++mark)
    if (MakeMarkedCopy(line.path, *mark, marked)) DeleteFileA(marked);
  if (line.kind == RECORD_FILE_CREATED) {
    // Fails, and does nothing, for a file that is no font the run added.
    RemoveFontResourceA(line.path);
    DeleteFileA(line.path);
  } else if (MakeMarkedCopy(line.path, KEPT_MARK, marked)) {
    if (MoveFileExA(marked, line.path, MOVEFILE_REPLACE_EXISTING)) {
      // Where the kept name is a second name of the file still under the path (the run
      // stopped before the new file took it), the rename may change nothing and keep both.
      DeleteFileA(marked);
    } else if (GetFileAttributesA(marked) != INVALID_FILE_ATTRIBUTES) {
      // Windows 95, 98 and Me cannot rename over a file: the kept copy stays until it has
      // the name again.
      DeleteFileA(line.path);
      MoveFileA(marked, line.path);
    }
  }
}

void UndoKey(HKEY record, const RecordLine& line, int number) {
  const HKEY root = line.root == RECORD_CLASSES_ROOT ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE;
  char name[12];
  HKEY key;
  if (line.kind == RECORD_KEY_LEVEL_CREATED) {
    // Only when nothing is in it: what another program has put there by now is not the run's.
    if (RegOpenKeyA(root, line.path, &key) != ERROR_SUCCESS) return;
    DWORD size = sizeof name;
    const bool empty = RegEnumKeyA(key, 0, name, sizeof name) == ERROR_NO_MORE_ITEMS &&
                       RegEnumValueA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_NO_MORE_ITEMS;
    RegCloseKey(key);
    if (empty) RegDeleteKeyA(root, line.path);
    return;
  }
  // Without its saved copy a saved key stays as it is: deleting it would lose what was there.
  RecordLineName(number, name);
  HKEY saved = nullptr;
  if (line.kind == RECORD_KEY_SAVED && RegOpenKeyA(record, name, &saved) != ERROR_SUCCESS) return;
  DeleteKeyTree(root, line.path);
  if (saved == nullptr) return;
  if (RegCreateKeyA(root, line.path, &key) == ERROR_SUCCESS) {
    CopyKeyTree(saved, key);
    RegCloseKey(key);
  }
  RegCloseKey(saved);
}

} // namespace

bool EndRecordedRun(const char* recordKey, RunEnd end) {
  HKEY record;
  if (RegOpenKeyA(HKEY_LOCAL_MACHINE, recordKey, &record) != ERROR_SUCCESS) return false;
  char text[RECORD_LINE_CAPACITY];
  int count = 0;
  while (ReadLine(record, count, text)) ++count;
  while (count-- > 0) {
    RecordLine line;
    if (!ReadLine(record, count, text) || !ReadRecordLine(text, line)) continue;
    if (end == COMPLETE_RUN) {
      char kept[PATH_CAPACITY];
      if (line.kind == RECORD_FILE_REPLACED && MakeMarkedCopy(line.path, KEPT_MARK, kept)) DeleteFileA(kept);
    } else if (line.root != 0) {
      UndoKey(record, line, count);
    } else if (line.kind == RECORD_DIRECTORY_CREATED) {
      // Only when empty: whatever else is in it by now is not the run's to delete.
      RemoveDirectoryA(line.path);
    } else {
      UndoFile(line);
    }
  }
  RegCloseKey(record);
  DeleteKeyTree(HKEY_LOCAL_MACHINE, recordKey);
  installState.recordLines = 0;
  return true;
}

bool RunCreated(const char* recordKey, const char* path) {
  HKEY record;
  if (RegOpenKeyA(HKEY_LOCAL_MACHINE, recordKey, &record) != ERROR_SUCCESS) return false;
  char text[RECORD_LINE_CAPACITY];
  RecordLine line;
  bool created = false;
  for (int number = 0; !created && ReadLine(record, number, text); ++number)
    created = ReadRecordLine(text, line) && line.kind == RECORD_FILE_CREATED && lstrcmpiA(line.path, path) == 0;
  RegCloseKey(record);
  return created;
}
