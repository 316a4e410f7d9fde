// The size texts of the destination page.
#ifndef TARN_DESTINATION_MEGABYTE_TEXT_H
#define TARN_DESTINATION_MEGABYTE_TEXT_H

#include <cstddef>
#include <cstdint>

// Holds the longest text, "4096.0 MB", with room to spare.
constexpr size_t SIZE_TEXT_CAPACITY = 16;

// Whole megabytes and the tenths rounded to nearest, halves up: "1.8 MB". Cut to fit.
void FormatMegabytes(char* out, size_t capacity, uint32_t bytes);

// A free-space result as the page shows it: megabytes, "n/a" or "> 2 GB".
void FormatAvailableSize(char* out, size_t capacity, int32_t freeSpace);

#endif
