// The record of a run: one line for each change, written before the change is made, so that a
// run that failed, was stopped or was killed can be undone by whoever comes next (setup.exe or
// the uninstaller). A line is its kind, for a key the root it lies in, then the path.
// Portable: no Windows header.
#ifndef TARN_CORE_RUN_RECORD_H
#define TARN_CORE_RUN_RECORD_H

#include <cstddef>

#include "core/file_rules.h"

enum RecordKind : char {
  RECORD_FILE_CREATED = 'F',  // undone by deleting it
  RECORD_FILE_REPLACED = 'R', // its kept copy (KEPT_MARK) goes back; deleted once the run completes
  RECORD_DIRECTORY_CREATED = 'D', // removed when empty
  RECORD_KEY_CREATED = 'K',       // undone by deleting it with everything below it
  RECORD_KEY_LEVEL_CREATED = 'L', // a level made above a created key: removed when empty
  RECORD_KEY_SAVED = 'S',         // a copy of the whole key, saved under the line's number, goes back
};

// The roots of a key's line.
constexpr char RECORD_CLASSES_ROOT = 'C';
constexpr char RECORD_MACHINE_ROOT = 'M';

// The last character of a file's name in the names beside it that a run uses: its whole new
// form before it takes the name, and the file it replaces while the run lasts. The compressed
// form that is expanded ends in '_', as on the media.
constexpr char WHOLE_MARK = '~';
constexpr char KEPT_MARK = '#';
constexpr char COMPRESSED_MARK = '_';

// Replaces the last character of the path by the mark (tarn.exe gives tarn.ex~). False, path
// unchanged, when the file's name has no dot or ends in it.
bool MakeMarkedName(char* path, char mark);
// The path with its mark in out; false, out empty, when the name takes none.
bool MakeMarkedCopy(const char* path, char mark, char (&out)[PATH_CAPACITY]);

// Room for the longest line: kind, root, a path of PATH_CAPACITY and its NUL.
constexpr size_t RECORD_LINE_CAPACITY = 264;

struct RecordLine {
  char kind;
  char root;        // a key's; 0 for a file or a directory
  const char* path; // within the text read
};

// False, out empty, when the line does not fit. root: a key's, else 0.
bool ComposeRecordLine(char (&out)[RECORD_LINE_CAPACITY], RecordKind kind, char root, const char* path);

// False for a line that is not one of ours: an unknown kind or root, a control character, a
// file's path that does not begin with a drive and its root, a key's path that is empty or
// begins with a backslash (the whole root). Such a line is passed over: undoing a guess could
// delete what is not ours.
bool ReadRecordLine(const char* text, RecordLine& line);

#endif
