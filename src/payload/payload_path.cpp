#include "payload/payload_path.h"

#include <cstring>

#include "destination/directory_path.h"

namespace {

const char* LastOf(const char* text, char wanted) {
  const char* found = nullptr;
  for (const char* p = text; *p != '\0'; ++p)
    if (*p == wanted) found = p;
  return found;
}

char LowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(const char* left, const char* right) {
  for (; *left != '\0' && *right != '\0'; ++left, ++right)
    if (LowerCase(*left) != LowerCase(*right)) return false;
  return *left == *right;
}

} // namespace

const char* NameAfterLastBackslash(const char* path) {
  const char* backslash = LastOf(path, '\\');
  return backslash != nullptr ? backslash + 1 : path;
}

bool IsFontFileName(const char* name) {
  const char* dot = LastOf(name, '.');
  return dot != nullptr && EqualIgnoringCase(dot, ".fon");
}

bool MakeCompressedName(char* path) {
  const char* dot = LastOf(path, '.');
  if (dot == nullptr || dot[1] == '\0') return false;
  path[std::strlen(path) - 1] = '_';
  return true;
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

bool AppendBackslash(char* directory, size_t capacity) {
  if (EndsInBackslash(directory)) return true;
  const size_t length = std::strlen(directory);
  if (length + 1 >= capacity) return false;
  directory[length] = '\\';
  directory[length + 1] = '\0';
  return true;
}
