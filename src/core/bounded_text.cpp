#include "core/bounded_text.h"

namespace {

struct BoundedWriter {
  char* out;
  size_t capacity;
  size_t length = 0;

  bool Full() const { return length + 1 >= capacity; }
  void Put(char c) {
    if (!Full()) out[length++] = c;
  }
  void PutText(const char* text) {
    if (text == nullptr) return;
    while (*text != '\0' && !Full()) out[length++] = *text++;
  }
};

} // namespace

size_t FormatWithArgument(char* out, size_t capacity, const char* format, const char* argument) {
  if (out == nullptr || capacity == 0) return 0;
  BoundedWriter writer{out, capacity};
  for (const char* p = format; p != nullptr && *p != '\0' && !writer.Full(); ++p) {
    if (p[0] == '%' && p[1] == 's') {
      writer.PutText(argument);
      ++p;
    } else if (p[0] == '%' && p[1] == '%') {
      writer.Put('%');
      ++p;
    } else {
      writer.Put(*p);
    }
  }
  out[writer.length] = '\0';
  return writer.length;
}

size_t CopyBounded(char* out, size_t capacity, const char* text) {
  if (out == nullptr || capacity == 0) return 0;
  BoundedWriter writer{out, capacity};
  writer.PutText(text);
  out[writer.length] = '\0';
  return writer.length;
}

char* PutDecimal(char* text, uint32_t value) {
  char reversed[10];
  int count = 0;
  do {
    reversed[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (count > 0) *text++ = reversed[--count];
  return text;
}

TextWriter& TextWriter::operator<<(const char* text) {
  for (; *text != '\0'; ++text) {
    if (length_ + 1 >= capacity_) {
      overflowed_ = true;
      return *this;
    }
    out_[length_++] = *text;
  }
  return *this;
}

TextWriter& TextWriter::operator<<(unsigned number) {
  char text[12];
  *PutDecimal(text, number) = '\0';
  return *this << text;
}

bool TextWriter::Finish() {
  if (capacity_ == 0) return false;
  if (overflowed_) length_ = 0;
  out_[length_] = '\0';
  return !overflowed_;
}
