// Any bytes as a shell link: a path found must come back alike when the room is exactly its
// size, and not at all with a byte less; nothing may be read or written outside the buffers.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "shell_link.h"

namespace {

void Check(bool promise) {
  if (!promise) __builtin_trap();
}

// Room for the path in a buffer of exactly that size, so that the sanitizer sees any write past it.
std::string LocalPath(const std::vector<unsigned char>& link, size_t capacity, bool& found) {
  std::vector<char> out(capacity);
  found = ShellLinkLocalPath(link.data(), link.size(), out.data(), capacity);
  size_t length = 0;
  while (length < capacity && out[length] != '\0') ++length;
  Check(length < capacity || capacity == 0);
  Check(found == (length != 0));
  return std::string(out.data(), length);
}

void CheckLink(const std::vector<unsigned char>& link) {
  bool found = false;
  const std::string path = LocalPath(link, 300, found);
  if (!found) return;
  Check(LocalPath(link, path.size() + 1, found) == path && found);
  LocalPath(link, path.size(), found);
  Check(!found);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Exactly the input's bytes, so that the sanitizer sees any read beyond them.
  CheckLink(std::vector<unsigned char>(data, data + size));
  return 0;
}
