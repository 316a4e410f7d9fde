// Any bytes as a command line, as a deployment tool may write it: nothing may be read past its
// end, every path fits its buffer, and a word not understood points into the line.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/command_line.h"

namespace {

void Check(bool promise) {
  if (!promise) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  CommandLine options{};
  const bool understood = ReadCommandLine(line.c_str(), SWITCH_UNATTENDED | SWITCH_LOG | SWITCH_DESTINATION, options);
  Check(understood == (options.notUnderstood == nullptr));
  if (!understood) Check(options.notUnderstood >= line.c_str() && options.notUnderstood < line.c_str() + line.size());
  Check(std::strlen(options.destination) < PATH_CAPACITY && std::strlen(options.logPath) < PATH_CAPACITY);
  Check(!options.Has(SWITCH_TAKE_OVER));
  return 0;
}
