#include "test_environment.h"

#include <cstdlib>

std::string WindowsPathOf(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string windows = "Z:" + path;
  for (char& character : windows)
    if (character == '/') character = '\\';
  return windows;
}

std::string WindowsPathFromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  return value == nullptr ? std::string() : WindowsPathOf(value);
}
