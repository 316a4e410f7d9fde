// Any bytes as a desktop file, loaded into an object made from its own header (so that most
// headers match), then edited by the items that follow: nothing may be read or written past
// the list, and the list must stay whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "finish/desktop_file.h"

namespace {

void Check(bool promise) {
  if (!promise) __builtin_trap();
}

void CheckWhole(const DesktopFile& desktop) {
  Check(desktop.list != nullptr && DesktopListIsWhole(desktop.list, desktop.ListLength()));
}

// What Load does with the file's list once its header is accepted.
void TakeFileList(DesktopFile& desktop, const uint8_t* header, const uint8_t* rest, size_t restSize) {
  const uint32_t length = ReadLittle16(header + DESKTOP_LIST_LENGTH_AT);
  if (length == 0 || length > restSize) return;
  auto* list = static_cast<uint8_t*>(std::malloc(length + DESKTOP_CLOSING_KEY_SIZE));
  std::memcpy(list, rest, length);
  if (desktop.TakeList(list, length) == 0) Check(desktop.ListLength() == length);
}

// Edits driven by bytes: key, then a length of up to 255 bytes taken from the input.
void Edit(DesktopFile& desktop, const uint8_t* bytes, size_t size) {
  while (size >= 3) {
    const uint16_t key = ReadLittle16(bytes);
    const uint32_t length = bytes[2] < size - 3 ? bytes[2] : static_cast<uint32_t>(size - 3);
    const uint32_t before = desktop.ListLength();
    const int set = desktop.SetItem(key, bytes + 3, length);
    // Refused only for key 0 or a list that would outgrow 16 bits, and then unchanged.
    Check(key != 0 || !set);
    if (!set) Check(desktop.ListLength() == before && (key == 0 || before + length + 4 > DESKTOP_LIST_LIMIT));
    CheckWhole(desktop);
    const uint32_t at = desktop.FindItem(key);
    Check(at + DESKTOP_CLOSING_KEY_SIZE <= desktop.ListLength());
    if (set && length != 0) Check(std::memcmp(desktop.list + at + DESKTOP_ITEM_HEADER_SIZE, bytes + 3, length) == 0);
    bytes += 3 + length;
    size -= 3 + length;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < DESKTOP_HEADER_SIZE + 2) return 0;
  // Exactly the header's bytes, so that the sanitizer sees any read beyond them.
  uint8_t* header = new uint8_t[DESKTOP_HEADER_SIZE];
  std::memcpy(header, data, DESKTOP_HEADER_SIZE);
  char signature[4] = {};
  std::memcpy(signature, header, 3);
  char name[DESKTOP_NAME_CAPACITY + 1] = {};
  const size_t nameLength = header[DESKTOP_NAME_LENGTH_AT] < DESKTOP_NAME_CAPACITY ? header[DESKTOP_NAME_LENGTH_AT]
                                                                                 : DESKTOP_NAME_CAPACITY;
  std::memcpy(name, header + DESKTOP_NAME_AT, nameLength);
  const uint16_t version = ReadLittle16(data + DESKTOP_HEADER_SIZE);

  DesktopFile desktop(signature, name, version);
  const uint16_t lowest = ReadLittle16(header + DESKTOP_VERSION_AT);
  if (desktop.Accepts(header, lowest))
    TakeFileList(desktop, header, data + DESKTOP_HEADER_SIZE + 2, size - DESKTOP_HEADER_SIZE - 2);
  CheckWhole(desktop);
  // The list in the input may be taken or not; the edits read the same bytes either way.
  Edit(desktop, data + DESKTOP_HEADER_SIZE + 2, size - DESKTOP_HEADER_SIZE - 2);
  delete[] header;
  return 0;
}
