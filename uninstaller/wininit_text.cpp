#include "wininit_text.h"

#include "core/file_rules.h"

namespace {

const char SECTION[] = "[rename]";
constexpr size_t SECTION_LENGTH = sizeof SECTION - 1;

class ByteWriter {
public:
  ByteWriter(char* out, size_t capacity) : out_(out), capacity_(capacity) {}
  void Put(const char* bytes, size_t count) {
    if (count > capacity_ - length_) {
      overflowed_ = true;
      return;
    }
    for (size_t i = 0; i < count; ++i) out_[length_++] = bytes[i];
  }
  void Put(const char* text) {
    size_t count = 0;
    while (text[count] != '\0') ++count;
    Put(text, count);
  }
  size_t Length() const { return overflowed_ ? 0 : length_; }

private:
  char* out_;
  size_t capacity_;
  size_t length_ = 0;
  bool overflowed_ = false;
};

bool SectionAt(const char* text, size_t length, size_t at) {
  if (length - at < SECTION_LENGTH) return false;
  for (size_t i = 0; i < SECTION_LENGTH; ++i)
    if (LowerCase(text[at + i]) != SECTION[i]) return false;
  return true;
}

// Where the line after the section's heading begins, or length when there is no such heading.
size_t AfterSectionHeading(const char* text, size_t length, bool& found) {
  for (size_t at = 0; at < length;) {
    size_t end = at;
    while (end < length && text[end] != '\n') ++end;
    if (SectionAt(text, length, at)) {
      found = true;
      return end < length ? end + 1 : end;
    }
    at = end + 1;
  }
  found = false;
  return length;
}

void PutDeletions(ByteWriter& writer, const char* const* paths, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    writer.Put("NUL=");
    writer.Put(paths[i]);
    writer.Put("\r\n");
  }
}

} // namespace

size_t AddWininitDeletions(const char* text, size_t length, const char* const* paths, size_t count, char* out,
                           size_t capacity) {
  ByteWriter writer(out, capacity);
  bool found = false;
  const size_t split = AfterSectionHeading(text, length, found);
  writer.Put(text, split);
  // A last line without its line end is ended before anything follows it.
  if (split != 0 && text[split - 1] != '\n') writer.Put("\r\n");
  if (!found) writer.Put("[rename]\r\n");
  PutDeletions(writer, paths, count);
  writer.Put(text + split, length - split);
  return writer.Length();
}
