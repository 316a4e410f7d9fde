#include "core/command_line.h"

namespace {

// By the bits of their switches; the value follows the "=".
const char* const SWITCH_NAMES[] = {"S", "LOG=", "TAKEOVER", "D="};

bool IsSpace(char c) { return c == ' ' || c == '\t'; }
bool EndsWord(const char* text) { return *text == '\0' || IsSpace(*text); }

// The text after the name (upper case) when text starts with it in any letter case, else null.
const char* AfterName(const char* text, const char* name) {
  for (; *name != '\0'; ++name, ++text)
    if (UpperCase(*text) != *name) return nullptr;
  return text;
}

// The text after the word that ends here, its closing quote first when it is quoted; null when
// the word goes on.
const char* AfterWord(const char* text, bool quoted) {
  if (quoted && *text++ != '"') return nullptr;
  return EndsWord(text) ? text : nullptr;
}

// A path up to the next space, or between quotes (the switch's own, or the value's), or for the
// destination unquoted the rest of the line; without the spaces that end it. The text after it,
// or null when it is empty, does not fit, or its quote is not closed.
const char* ReadPath(const char* text, char (&out)[PATH_CAPACITY], bool restOfLine, bool quotedWhole) {
  const bool quoted = quotedWhole || (!restOfLine && *text == '"');
  text += quoted && !quotedWhole;
  restOfLine = restOfLine && !quoted;
  const char* end = text;
  while (*end != '\0' && (restOfLine || (quoted ? *end != '"' : !IsSpace(*end)))) ++end;
  const char* after = quoted && *end != '"' ? nullptr : AfterWord(end, quoted);
  while (end > text && IsSpace(end[-1])) --end;
  // Launchers double the backslashes before a closing quote, as the platform's own splitting of
  // a line halves them: "/D=C:\X\\" means C:\X\.
  const char* backslashes = end;
  while (quoted && backslashes > text && backslashes[-1] == '\\') --backslashes;
  end -= (end - backslashes) / 2;
  const size_t length = static_cast<size_t>(end - text);
  if (after == nullptr || length == 0 || length >= PATH_CAPACITY) return nullptr;
  for (size_t i = 0; i < length; ++i) out[i] = text[i];
  out[length] = '\0';
  return after;
}

// The text after the switch that starts the word, or null when it is none that is accepted. A
// switch quoted whole, "/D=C:\Program Files\X", as launchers quote every argument that holds a
// space, ends at its closing quote.
const char* ReadSwitch(const char* word, int accepted, CommandLine& options, bool quotedWhole) {
  if (*word != '/' && *word != '-') return nullptr;
  for (int i = 0; i < 4; ++i) {
    const int bit = 1 << i;
    const char* rest = AfterName(word + 1, SWITCH_NAMES[i]);
    if (rest == nullptr || (accepted & bit) == 0) continue;
    if (bit == SWITCH_LOG || bit == SWITCH_DESTINATION)
      rest = ReadPath(rest, bit == SWITCH_LOG ? options.logPath : options.destination, bit == SWITCH_DESTINATION,
                      quotedWhole);
    else // "/SILENT" is not "/S"
      rest = AfterWord(rest, quotedWhole);
    if (rest != nullptr) options.switches |= bit;
    return rest;
  }
  return nullptr;
}

} // namespace

bool ReadCommandLine(const char* line, int accepted, CommandLine& options) {
  const char* at = line;
  // The program's own name, in quotes when it holds spaces.
  for (bool quoted = false; *at != '\0' && (quoted || !IsSpace(*at)); ++at)
    if (*at == '"') quoted = !quoted;
  while (*at != '\0') {
    if (IsSpace(*at)) {
      ++at;
      continue;
    }
    const bool quoted = *at == '"';
    const char* rest = ReadSwitch(at + quoted, accepted, options, quoted);
    if (rest == nullptr) {
      if (options.notUnderstood == nullptr) options.notUnderstood = at;
      while (!EndsWord(at)) ++at;
    } else {
      at = rest;
    }
  }
  return options.notUnderstood == nullptr;
}
