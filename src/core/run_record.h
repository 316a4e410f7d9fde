// The record of a run: one line for each change, written before the change is made, so that a
// run that failed, was stopped or was killed can be undone by whoever comes next (setup.exe or
// the uninstaller). A line is its kind, then the path.
// Portable: no Windows header.
#ifndef TARN_CORE_RUN_RECORD_H
#define TARN_CORE_RUN_RECORD_H

#include <cstddef>

#include "core/file_rules.h"

enum RecordKind : char {
  RECORD_FILE_CREATED = 'F',  // undone by deleting it
  RECORD_FILE_REPLACED = 'R', // its kept copy (KEPT_MARK) goes back; deleted once the run completes
  RECORD_DIRECTORY_CREATED = 'D', // removed when empty
};

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

// Room for the longest line: kind, a path of PATH_CAPACITY and its NUL.
constexpr size_t RECORD_LINE_CAPACITY = 264;

struct RecordLine {
  char kind;
  const char* path; // within the text read
};

// False, out empty, when the line does not fit.
bool ComposeRecordLine(char (&out)[RECORD_LINE_CAPACITY], RecordKind kind, const char* path);

// False for a line that is not one of ours: an unknown kind, a control character, a path that
// does not begin with a drive and its root. Such a line is passed over: undoing a guess could
// delete what is not ours.
bool ReadRecordLine(const char* text, RecordLine& line);

#endif
