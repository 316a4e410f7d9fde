// Text in fixed buffers: formatting, copying and putting together piece by piece, never past
// the buffer's end. Portable: no Windows header.
#ifndef TARN_CORE_BOUNDED_TEXT_H
#define TARN_CORE_BOUNDED_TEXT_H

#include <cstddef>
#include <cstdint>

// Each "%s" receives the argument (nothing when it is null) and "%%" gives "%";
// any other character is copied. The result is cut to fit and always terminated.
// Returns the length written, without the terminator.
size_t FormatWithArgument(char* out, size_t capacity, const char* format, const char* argument);

// Copies at most capacity - 1 characters and terminates; returns the length written.
size_t CopyBounded(char* out, size_t capacity, const char* text);

// Writes the decimal digits of value at text and returns the end; text needs 11 characters.
char* PutDecimal(char* text, uint32_t value);

// A null or empty text.
inline bool IsEmptyText(const char* text) { return text == nullptr || text[0] == '\0'; }

// Text put together piece by piece in a fixed buffer: whole, or not at all.
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
