// Any bytes as a line of a run's record, as a damaged registry may hold it: nothing is read
// past its end, and a line that is taken is one that composing its parts writes back exactly,
// with a path of printable characters inside the text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/run_record.h"

namespace {

void Check(bool promise) {
  if (!promise) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  RecordLine line;
  if (!ReadRecordLine(text.c_str(), line)) return 0;
  Check(line.path > text.c_str() && line.path < text.c_str() + text.size());
  for (const char* at = line.path; *at != '\0'; ++at) Check(static_cast<unsigned char>(*at) >= ' ');
  char composed[RECORD_LINE_CAPACITY];
  if (ComposeRecordLine(composed, static_cast<RecordKind>(line.kind), line.root, line.path))
    Check(std::strcmp(composed, text.c_str()) == 0);
  return 0;
}
