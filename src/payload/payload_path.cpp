#include "payload/payload_path.h"

#include <cstring>

#include "core/path_rules.h"

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

