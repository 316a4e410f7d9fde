// Path rules that every subsystem builds on: the path buffer's capacity, joining a directory
// and a name, the trailing backslash, and comparing without regard to letter case.
#ifndef TARN_CORE_PATH_RULES_H
#define TARN_CORE_PATH_RULES_H

#include <cstddef>
#include <initializer_list>

// Characters of a path buffer, terminator included (the platform's MAX_PATH).
constexpr size_t PATH_CAPACITY = 260;

bool EndsInBackslash(const char* path);

// The part after the last backslash; the whole text when it has none.
const char* NameAfterLastBackslash(const char* path);

// The last occurrence of wanted in text, or null.
const char* LastOf(const char* text, char wanted);

// out = the texts one after the other. False, out empty, when they do not fit: a path cut
// short would name another file.
bool JoinPath(char* out, size_t capacity, std::initializer_list<const char*> parts);

// out = directory, a backslash unless it is empty or ends in one, then name. False, out empty,
// when that does not fit.
bool JoinDirectoryAndName(char* out, size_t capacity, const char* directory, const char* name);

// Appends a backslash unless the directory ends in one; false when it does not fit.
bool AppendBackslash(char* directory, size_t capacity);

char UpperCase(char c);
char LowerCase(char c);

// Equal texts when ASCII letters are compared without regard to case.
bool EqualIgnoringCase(const char* left, const char* right);

#endif
