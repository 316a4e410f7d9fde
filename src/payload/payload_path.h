// Path rules of the copy: joining, the compressed name of a temporary, font files.
#ifndef TARN_PAYLOAD_PAYLOAD_PATH_H
#define TARN_PAYLOAD_PAYLOAD_PATH_H

#include <cstddef>
#include <initializer_list>

// The part after the last backslash; the whole text when it has none.
const char* NameAfterLastBackslash(const char* path);

// Whether the name's last dot begins the extension ".fon", in any letter case.
bool IsFontFileName(const char* name);

// Replaces the last character of the path by "_" (tarn.exe gives tarn.ex_). False, path
// unchanged, when the path has no dot or ends in its last dot.
bool MakeCompressedName(char* path);

// out = the texts one after the other. False, out empty, when they do not fit: a path cut
// short would name another file.
bool JoinPath(char* out, size_t capacity, std::initializer_list<const char*> parts);

// Appends a backslash unless the directory ends in one; false when it does not fit.
bool AppendBackslash(char* directory, size_t capacity);

#endif
