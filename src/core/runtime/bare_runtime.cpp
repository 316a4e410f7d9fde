// The few C library routines that the compiler itself may emit calls to, and malloc and free
// over the process heap for the portable code that allocates.
#include <windows.h>

#include <cstddef>

extern "C" {

void* memcpy(void* destination, const void* source, size_t count) {
  auto* to = static_cast<unsigned char*>(destination);
  const auto* from = static_cast<const unsigned char*>(source);
  while (count-- != 0) *to++ = *from++;
  return destination;
}

void* memmove(void* destination, const void* source, size_t count) {
  auto* to = static_cast<unsigned char*>(destination);
  const auto* from = static_cast<const unsigned char*>(source);
  if (to < from) {
    while (count-- != 0) *to++ = *from++;
  } else {
    while (count != 0) {
      --count;
      to[count] = from[count];
    }
  }
  return destination;
}

void* memset(void* destination, int value, size_t count) {
  auto* to = static_cast<unsigned char*>(destination);
  while (count-- != 0) *to++ = static_cast<unsigned char>(value);
  return destination;
}

int memcmp(const void* left, const void* right, size_t count) {
  const auto* a = static_cast<const unsigned char*>(left);
  const auto* b = static_cast<const unsigned char*>(right);
  for (; count != 0; --count, ++a, ++b)
    if (*a != *b) return *a < *b ? -1 : 1;
  return 0;
}

int strcmp(const char* left, const char* right) {
  for (; *left == *right; ++left, ++right)
    if (*left == '\0') return 0;
  return static_cast<unsigned char>(*left) < static_cast<unsigned char>(*right) ? -1 : 1;
}

size_t strlen(const char* text) {
  size_t length = 0;
  while (text[length] != '\0') ++length;
  return length;
}

void* malloc(size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }

void free(void* block) {
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

} // extern "C"
