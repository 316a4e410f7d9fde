// Any bytes as the shell server's group list and as its list of a group's items, read from a
// block of exactly that size (the server's block need not hold a terminator): the readers must
// stay inside it, and the item scan may mark nothing but the catalogue's rows.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "progman/progman_texts.h"

namespace {

void Check(bool promise) {
  if (!promise) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::unique_ptr<char[]> block(new char[size == 0 ? 1 : size]);
  if (size != 0) std::memcpy(block.get(), data, size);
  GroupListNamesGroup(block.get(), size, "TARN");

  GroupItem rows[] = {
      {COMPONENT_PROGRAM, "tarn.exe", "TARN", 1, 0, 1},
      {COMPONENT_PROGRAM, "tarn.hlp", "TARN help", 1, 0, 1},
      {COMPONENT_END, nullptr, "TARN", 0, 7, 0},
  };
  MarkPresentItems(block.get(), size, rows);
  Check(rows[0].alreadyPresent == 0 || rows[0].alreadyPresent == 1);
  Check(rows[1].alreadyPresent == 0 || rows[1].alreadyPresent == 1);
  Check(rows[2].alreadyPresent == 7);
  return 0;
}
