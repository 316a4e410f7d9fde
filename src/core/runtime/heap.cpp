// malloc and free over the process heap, for the portable code that allocates.
#include <windows.h>

#include <cstddef>

extern "C" {

void* malloc(size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }

void free(void* block) {
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

} // extern "C"
