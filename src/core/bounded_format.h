// printf-style formatting of a message with one text argument into a fixed buffer.
#ifndef TARN_CORE_BOUNDED_FORMAT_H
#define TARN_CORE_BOUNDED_FORMAT_H

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

#endif
