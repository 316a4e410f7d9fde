#include "core/path_rules.h"

#include <cstring>

bool EndsInBackslash(const char* path) {
  const size_t length = std::strlen(path);
  return length > 0 && path[length - 1] == '\\';
}

const char* LastOf(const char* text, char wanted) {
  const char* found = nullptr;
  for (const char* p = text; *p != '\0'; ++p)
    if (*p == wanted) found = p;
  return found;
}

const char* NameAfterLastBackslash(const char* path) {
  const char* backslash = LastOf(path, '\\');
  return backslash != nullptr ? backslash + 1 : path;
}

bool JoinPath(char* out, size_t capacity, std::initializer_list<const char*> parts) {
  size_t length = 0;
  for (const char* part : parts) {
    const size_t partLength = std::strlen(part);
    if (length + partLength >= capacity) {
      if (capacity > 0) out[0] = '\0';
      return false;
    }
    for (size_t i = 0; i < partLength; ++i) out[length + i] = part[i];
    length += partLength;
  }
  out[length] = '\0';
  return true;
}

bool JoinDirectoryAndName(char* out, size_t capacity, const char* directory, const char* name) {
  const char* separator = directory[0] == '\0' || EndsInBackslash(directory) ? "" : "\\";
  return JoinPath(out, capacity, {directory, separator, name});
}

bool AppendBackslash(char* directory, size_t capacity) {
  if (EndsInBackslash(directory)) return true;
  const size_t length = std::strlen(directory);
  if (length + 1 >= capacity) return false;
  directory[length] = '\\';
  directory[length + 1] = '\0';
  return true;
}

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

char LowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(const char* left, const char* right) {
  for (; *left != '\0' && *right != '\0'; ++left, ++right)
    if (LowerCase(*left) != LowerCase(*right)) return false;
  return *left == *right;
}
