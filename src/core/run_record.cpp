#include "core/run_record.h"

#include <cstring>

#include "core/bounded_text.h"

namespace {

// "C:\...": a path relative to a current directory would name another file for every reader.
bool IsAbsoluteOnDrive(const char* path) {
  const char letter = static_cast<char>(path[0] | 0x20);
  return letter >= 'a' && letter <= 'z' && path[1] == ':' && path[2] == '\\';
}

} // namespace

bool MakeMarkedName(char* path, char mark) {
  // The name's own dot: a folder's would mark a name that has none.
  const char* dot = LastOf(NameAfterLastBackslash(path), '.');
  if (dot == nullptr || dot[1] == '\0') return false;
  path[std::strlen(path) - 1] = mark;
  return true;
}

bool MakeMarkedCopy(const char* path, char mark, char (&out)[PATH_CAPACITY]) {
  CopyBounded(out, sizeof out, path);
  if (MakeMarkedName(out, mark)) return true;
  out[0] = '\0';
  return false;
}

bool ComposeRecordLine(char (&out)[RECORD_LINE_CAPACITY], RecordKind kind, char root, const char* path) {
  const char head[] = {kind, root, '\0'};
  return JoinPath(out, sizeof out, {head, path});
}

bool ReadRecordLine(const char* text, RecordLine& line) {
  line = RecordLine{text[0], 0, text + 1};
  if (line.kind == RECORD_KEY_CREATED || line.kind == RECORD_KEY_LEVEL_CREATED || line.kind == RECORD_KEY_SAVED) {
    line.root = *line.path++;
    if ((line.root != RECORD_CLASSES_ROOT && line.root != RECORD_MACHINE_ROOT) || *line.path == '\\' ||
        *line.path == '\0')
      return false;
  } else if ((line.kind != RECORD_FILE_CREATED && line.kind != RECORD_FILE_REPLACED &&
              line.kind != RECORD_DIRECTORY_CREATED) ||
             !IsAbsoluteOnDrive(line.path)) {
    return false;
  }
  for (const char* at = line.path; *at != '\0'; ++at)
    if (static_cast<unsigned char>(*at) < ' ') return false;
  return true;
}
