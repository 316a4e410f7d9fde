// Text put together piece by piece in a fixed buffer: whole, or not at all.
#ifndef TARN_CORE_TEXT_WRITER_H
#define TARN_CORE_TEXT_WRITER_H

#include <cstddef>

class TextWriter {
public:
  TextWriter(char* out, size_t capacity) : out_(out), capacity_(capacity) {}

  TextWriter& operator<<(const char* text);
  TextWriter& operator<<(unsigned number);
  // Terminates the text. False, out empty, when a piece did not fit: a text cut short could
  // say something else.
  bool Finish();

private:
  char* out_;
  size_t capacity_;
  size_t length_ = 0;
  bool overflowed_ = false;
};

#endif
