// Any bytes as WININIT.INI: the deletions must land in the text exactly once, the text around
// them unchanged, and nothing may be read or written outside the buffers.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "wininit_text.h"

namespace {

void Check(bool promise) {
  if (!promise) __builtin_trap();
}

const char* const PATHS[] = {"C:\\PROGRA~1\\TARN\\UNINSTAL.EXE", "C:\\PROGRA~1\\TARN"};

bool KeepsTheFileAround(const std::string& original, const std::string& head, const std::string& tail) {
  if (tail.size() > original.size() || original.compare(original.size() - tail.size(), tail.size(), tail) != 0)
    return false;
  const size_t before = original.size() - tail.size();
  return head.size() >= before && head.size() <= before + 12 && head.compare(0, before, original, 0, before) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Exactly the file's bytes, so that the sanitizer sees any read beyond them.
  std::vector<char> text(data, data + size);
  const size_t capacity = size + 128;
  std::vector<char> out(capacity);
  const size_t length = AddWininitDeletions(text.data(), text.size(), PATHS, 2, out.data(), out.size());
  Check(length <= capacity);
  if (length == 0) return 0;
  const std::string result(out.data(), length);
  const std::string lines = "NUL=C:\\PROGRA~1\\TARN\\UNINSTAL.EXE\r\nNUL=C:\\PROGRA~1\\TARN\r\n";
  const std::string original(text.begin(), text.end());
  // Around our lines the file stays itself: all that may be added is a line end and the
  // heading. The file may hold the same lines already, so any place of them may be ours.
  bool found = false;
  for (size_t at = result.find(lines); at != std::string::npos && !found; at = result.find(lines, at + 1))
    found = KeepsTheFileAround(original, result.substr(0, at), result.substr(at + lines.size()));
  Check(found);
  return 0;
}
