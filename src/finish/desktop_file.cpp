#include "finish/desktop_file.h"

#include <cstdlib>
#include <cstring>

uint16_t ReadLittle16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

void WriteLittle16(uint8_t* at, uint32_t value) {
  at[0] = static_cast<uint8_t>(value);
  at[1] = static_cast<uint8_t>(value >> 8);
}

bool DesktopListIsWhole(const uint8_t* list, uint32_t length) {
  if (list == nullptr) return false;
  uint32_t position = 0;
  while (position + DESKTOP_CLOSING_KEY_SIZE <= length) {
    if (ReadLittle16(list + position) == 0) return position + DESKTOP_CLOSING_KEY_SIZE == length;
    if (position + DESKTOP_ITEM_HEADER_SIZE > length) return false;
    const uint32_t size = ReadLittle16(list + position + 2);
    if (size < DESKTOP_ITEM_HEADER_SIZE) return false;
    position += size;
  }
  return false;
}

namespace {

// A list buffer: 2 bytes of slack beyond its length, zeroed.
uint8_t* AllocateList(uint32_t length) {
  auto* list = static_cast<uint8_t*>(std::malloc(length + DESKTOP_CLOSING_KEY_SIZE));
  if (list != nullptr) std::memset(list + length, 0, DESKTOP_CLOSING_KEY_SIZE);
  return list;
}

} // namespace

DesktopFile::DesktopFile(const char* signature, const char* name, uint16_t version) : header{}, list(nullptr) {
  for (uint32_t i = 0; i < DESKTOP_SIGNATURE_LENGTH && signature[i] != '\0'; ++i)
    header[i] = static_cast<uint8_t>(signature[i]);
  uint32_t nameLength = 0;
  for (; nameLength < DESKTOP_NAME_CAPACITY && name[nameLength] != '\0'; ++nameLength)
    header[DESKTOP_NAME_AT + nameLength] = static_cast<uint8_t>(name[nameLength]);
  header[DESKTOP_NAME_LENGTH_AT] = static_cast<uint8_t>(nameLength);
  WriteLittle16(header + DESKTOP_VERSION_AT, version);
  list = AllocateList(DESKTOP_CLOSING_KEY_SIZE);
  if (list == nullptr) return;
  WriteLittle16(list, 0);
  SetListLength(DESKTOP_CLOSING_KEY_SIZE);
}

uint16_t DesktopFile::ListLength() const { return ReadLittle16(header + DESKTOP_LIST_LENGTH_AT); }

void DesktopFile::SetListLength(uint32_t length) { WriteLittle16(header + DESKTOP_LIST_LENGTH_AT, length); }

void DesktopFile::FreeList() {
  std::free(list);
  list = nullptr;
  SetListLength(0);
}

uint32_t DesktopFile::FindItem(uint16_t key) const {
  const uint32_t length = ListLength();
  if (list == nullptr || length < DESKTOP_CLOSING_KEY_SIZE) return 0;
  const uint32_t closingKey = length - DESKTOP_CLOSING_KEY_SIZE;
  uint32_t position = 0;
  // Bounded by the list length whatever the sizes say; a size that leads astray ends the walk
  // at the closing key.
  while (position + DESKTOP_ITEM_HEADER_SIZE <= closingKey) {
    const uint16_t found = ReadLittle16(list + position);
    if (found == 0) return position;
    const uint32_t size = ReadLittle16(list + position + 2);
    if (size < DESKTOP_ITEM_HEADER_SIZE || size > closingKey - position) break;
    if (found == key) return position;
    position += size;
  }
  return closingKey;
}

uint32_t DesktopFile::ItemSizeAt(uint32_t position, uint16_t key) const {
  const bool isItem = position + DESKTOP_CLOSING_KEY_SIZE < ListLength() && ReadLittle16(list + position) == key;
  return isItem ? ReadLittle16(list + position + 2) : 0;
}

int DesktopFile::SetItem(uint16_t key, const void* data, uint32_t length) {
  // Key 0 would close the list early.
  if (list == nullptr || key == 0) return 0;
  const uint32_t position = FindItem(key);
  const uint32_t newSize = data != nullptr && length != 0 ? length + DESKTOP_ITEM_HEADER_SIZE : 0;
  const uint32_t oldSize = ItemSizeAt(position, key);
  if (newSize > DESKTOP_LIST_LIMIT || ListLength() + newSize - oldSize > DESKTOP_LIST_LIMIT) return 0;
  if (newSize != oldSize) return ReplaceList(position, oldSize, key, data, newSize);
  if (newSize != 0) std::memcpy(list + position + DESKTOP_ITEM_HEADER_SIZE, data, length);
  return 1;
}

int DesktopFile::ReplaceList(uint32_t position, uint32_t oldSize, uint16_t key, const void* data, uint32_t newSize) {
  const uint32_t oldLength = ListLength();
  const uint32_t newLength = oldLength + newSize - oldSize;
  uint8_t* replacement = AllocateList(newLength);
  if (replacement == nullptr) return 0;
  std::memcpy(replacement, list, position);
  if (newSize != 0) {
    WriteLittle16(replacement + position, key);
    WriteLittle16(replacement + position + 2, newSize);
    std::memcpy(replacement + position + DESKTOP_ITEM_HEADER_SIZE, data, newSize - DESKTOP_ITEM_HEADER_SIZE);
  }
  std::memcpy(replacement + position + newSize, list + position + oldSize, oldLength - position - oldSize);
  std::free(list);
  list = replacement;
  SetListLength(newLength);
  return 1;
}

bool DesktopFile::Accepts(const uint8_t* fileHeader, uint16_t lowestVersion) const {
  // The name length is among the bytes compared, so a longer name in the file never matches.
  const uint32_t compared = DESKTOP_NAME_AT + header[DESKTOP_NAME_LENGTH_AT];
  if (std::memcmp(fileHeader, header, compared) != 0) return false;
  const uint16_t version = ReadLittle16(header + DESKTOP_VERSION_AT);
  const uint16_t fileVersion = ReadLittle16(fileHeader + DESKTOP_VERSION_AT);
  const uint16_t lowest = lowestVersion != 0 ? lowestVersion : version;
  return fileVersion <= version && fileVersion >= lowest;
}

int32_t DesktopFile::TakeList(uint8_t* fileList, uint32_t length) {
  if (length > DESKTOP_LIST_LIMIT || !DesktopListIsWhole(fileList, length)) {
    std::free(fileList);
    return DESKTOP_MISMATCH;
  }
  std::free(list);
  list = fileList;
  SetListLength(length);
  return 0;
}

namespace {

constexpr uint32_t TEXT_FIELD_WIDTH = 256;
constexpr uint32_t TEMPORARY_FIELD_WIDTH = 220;
constexpr uint32_t LIBRARY_AT = 28;
constexpr uint32_t CONFIGURATION_AT = 284;
constexpr uint32_t LIBRARY_AS_GIVEN_AT = 540;
constexpr uint32_t TEMPORARY_AT = 796;

constexpr char DEFAULT_LIBRARY[] = "D:\\.";
constexpr char DEFAULT_TEMPORARY[] = "C:\\TEMP";
constexpr char CONFIGURATION_NAME[] = "subsyst.conf";

struct NumberField {
  uint32_t at;
  uint32_t value;
};

constexpr uint32_t LOWEST_INT32 = 0x80000000u;
constexpr NumberField NUMBERS[] = {{0, 3}, {20, 3}, {24, 1}, {1056, 100}, {1060, LOWEST_INT32}, {1064, LOWEST_INT32}};

void WriteLittle32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

// The text cut to width - 1 characters, the rest of the zeroed field left as it is; with
// slashes for backslashes when asked.
void WriteText(uint8_t* field, uint32_t width, const char* text, bool forwardSlashes) {
  for (uint32_t i = 0; i + 1 < width && text[i] != '\0'; ++i)
    field[i] = static_cast<uint8_t>(forwardSlashes && text[i] == '\\' ? '/' : text[i]);
}

} // namespace

void FillDesktopSettings(DesktopSettings& settings, const char* library, const char* temporary) {
  std::memset(settings.bytes, 0, sizeof settings.bytes);
  for (const NumberField& number : NUMBERS) WriteLittle32(settings.bytes + number.at, number.value);
  if (library == nullptr) library = DEFAULT_LIBRARY;
  if (temporary == nullptr) temporary = DEFAULT_TEMPORARY;
  WriteText(settings.bytes + LIBRARY_AT, TEXT_FIELD_WIDTH, library, true);
  WriteText(settings.bytes + CONFIGURATION_AT, TEXT_FIELD_WIDTH, CONFIGURATION_NAME, false);
  WriteText(settings.bytes + LIBRARY_AS_GIVEN_AT, TEXT_FIELD_WIDTH, library, false);
  WriteText(settings.bytes + TEMPORARY_AT, TEMPORARY_FIELD_WIDTH, temporary, true);
}
