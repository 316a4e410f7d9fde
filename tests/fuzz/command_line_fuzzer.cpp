// Any bytes as a command line, as a deployment tool may write it: nothing may be read past its
// end, every path fits its buffer, and a word not understood points into the line. The same
// bytes as one word mean the same quoted whole as bare, unless the quotes change the word
// (a blank or a quote in it, or the backslashes that end it).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/command_line.h"

namespace {

constexpr int ACCEPTED = SWITCH_UNATTENDED | SWITCH_LOG | SWITCH_DESTINATION;

void Check(bool promise) {
  if (!promise) __builtin_trap();
}

CommandLine Read(const std::string& line, bool& understood) {
  CommandLine options{};
  understood = ReadCommandLine(line.c_str(), ACCEPTED, options);
  return options;
}

void CheckQuotedAlike(const std::string& word) {
  if (word.empty() || word.find_first_of(" \t\"") != std::string::npos || word.back() == '\\') return;
  bool bareUnderstood = false;
  bool quotedUnderstood = false;
  const CommandLine bare = Read("setup.exe " + word, bareUnderstood);
  const CommandLine quoted = Read("setup.exe \"" + word + "\"", quotedUnderstood);
  Check(bareUnderstood == quotedUnderstood && bare.switches == quoted.switches);
  Check(std::strcmp(bare.destination, quoted.destination) == 0 && std::strcmp(bare.logPath, quoted.logPath) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  bool understood = false;
  const CommandLine options = Read(line, understood);
  Check(understood == (options.notUnderstood == nullptr));
  if (!understood) Check(options.notUnderstood >= line.c_str() && options.notUnderstood < line.c_str() + line.size());
  Check(std::strlen(options.destination) < PATH_CAPACITY && std::strlen(options.logPath) < PATH_CAPACITY);
  Check(!options.Has(SWITCH_TAKE_OVER));
  CheckQuotedAlike(line.c_str());
  return 0;
}
