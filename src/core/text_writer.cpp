#include "core/text_writer.h"

#include "core/bounded_format.h"

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
