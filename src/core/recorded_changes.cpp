#include "core/recorded_changes.h"

#include <cstring>

#include "core/bounded_text.h"
#include "core/install_state.h"

namespace {

HKEY OpenRecord() {
  HKEY record;
  return RegCreateKeyA(HKEY_LOCAL_MACHINE, installState.catalogue.runRecordKey, &record) == ERROR_SUCCESS ? record
                                                                                                         : nullptr;
}

} // namespace

void RecordLineName(int number, char (&name)[12]) { *PutDecimal(name, static_cast<uint32_t>(number)) = '\0'; }

int RecordChange(RecordKind kind, const char* path) {
  char line[RECORD_LINE_CAPACITY];
  const HKEY record = ComposeRecordLine(line, kind, path) ? OpenRecord() : nullptr;
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
