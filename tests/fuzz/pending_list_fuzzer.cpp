// Any bytes as a pending-operation list, with a path taken from their front: the reader and
// the filter must stay inside the data and the output, and what they keep must not match.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "finish/pending_list.h"

namespace {

void Check(bool promise) {
  if (!promise) __builtin_trap();
}

// Some names have a short form and some do not; the form is the name in lower case.
int LookUp(const char* path, char* out, uint32_t capacity, void*) {
  const size_t length = std::strlen(path);
  if (length >= capacity || (path[0] & 1) != 0) return 0;
  for (size_t i = 0; i <= length; ++i) out[i] = path[i] >= 'A' && path[i] <= 'Z' ? static_cast<char>(path[i] + 32) : path[i];
  return 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t pathLength = data[0] < size - 1 ? data[0] : size - 1;
  const std::string path(reinterpret_cast<const char*>(data + 1), pathLength);
  // Exactly the list's bytes, so that the sanitizer sees any read beyond them.
  const size_t listSize = size - 1 - pathLength;
  char* list = new char[listSize];
  std::memcpy(list, data + 1 + pathLength, listSize);
  char* output = new char[listSize + 1]; // the filter is promised listSize; the extra byte is a guard
  output[listSize] = 'G';

  const PendingListFilter result =
      FilterPendingList(list, static_cast<uint32_t>(listSize), path.c_str(), LookUp, nullptr, output);
  Check(result.length <= listSize && output[listSize] == 'G');
  if (result.dropped) {
    Check(result.length >= 1 && output[result.length - 1] == '\0');
    // What was kept holds no operation on the path any more.
    char* again = new char[result.length];
    const PendingListFilter second =
        FilterPendingList(output, result.length, path.c_str(), LookUp, nullptr, again);
    Check(!second.dropped);
    delete[] again;
  }
  delete[] output;
  delete[] list;
  return 0;
}
