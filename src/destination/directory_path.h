// Rules for the directory paths that the Installer builds on.
#ifndef TARN_DESTINATION_DIRECTORY_PATH_H
#define TARN_DESTINATION_DIRECTORY_PATH_H

#include "core/path_rules.h"

// A letter, then ":" as the second or "\" as the third character.
bool IsDriveFormPath(const char* path);

// Whether the path, with the backslash that is appended to a directory before a name, still
// fits a path buffer: 258 characters, or 259 that already end in a backslash.
bool FitsAsDirectoryPath(const char* path);

// folder, a backslash unless it ends in one, first, then "\" and second unless second is null.
// An empty folder, or one too long for the whole path, is replaced by fallbackFolder: a path
// cut short would name another directory. Returns false, out empty, when nothing fits.
bool ComposeFolderPath(char (&out)[PATH_CAPACITY], const char* folder, const char* fallbackFolder,
                       const char* first, const char* second);

#endif
