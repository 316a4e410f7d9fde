// "TARN.DSK" and its kind: a 16-byte header (signature, name, version, list length) and a list
// of items (key, size, data), closed by a key of 0. Numbers are little-endian.
#ifndef TARN_FINISH_DESKTOP_FILE_H
#define TARN_FINISH_DESKTOP_FILE_H

#include <cstdint>

constexpr char DESKTOP_SIGNATURE[] = "DSK";
constexpr uint32_t DESKTOP_HEADER_SIZE = 16;
constexpr uint32_t DESKTOP_SIGNATURE_LENGTH = 3;
constexpr uint32_t DESKTOP_NAME_CAPACITY = 8;
constexpr uint32_t DESKTOP_ITEM_HEADER_SIZE = 4;   // key and size
constexpr uint32_t DESKTOP_CLOSING_KEY_SIZE = 2;
constexpr uint32_t DESKTOP_LIST_LIMIT = 0xFFFF;     // the list length is 16-bit

// Offsets in the header
constexpr uint32_t DESKTOP_NAME_LENGTH_AT = 3;
constexpr uint32_t DESKTOP_NAME_AT = 4;
constexpr uint32_t DESKTOP_VERSION_AT = 12;
constexpr uint32_t DESKTOP_LIST_LENGTH_AT = 14;

// Results of Load and Save besides the SimpleFile failure codes (2 open, 12 read, 13 write,
// 14 create).
constexpr int32_t DESKTOP_NO_LIST = 1;
constexpr int32_t DESKTOP_NO_MEMORY = 8;
constexpr int32_t DESKTOP_MISMATCH = 11;

class DesktopFile {
public:
  // Signature cut to 3 characters, name to 8; starts with an empty list (the closing key).
  DesktopFile(const char* signature, const char* name, uint16_t version);
  ~DesktopFile() { FreeList(); }
  DesktopFile(const DesktopFile&) = delete;
  DesktopFile& operator=(const DesktopFile&) = delete;

  // Position of the item with the key, or of the closing key when there is none.
  uint32_t FindItem(uint16_t key) const;
  // Writes, replaces (in its place) or, with no data or length 0, removes the item. 0 when
  // there is no list, for key 0, or when the list would outgrow its 16-bit length.
  int SetItem(uint16_t key, const void* data, uint32_t length);
  // 0 when done, else the failure code; a failed load keeps the list held before.
  int32_t Load(const char* path, uint16_t lowestVersion);
  int32_t Save(const char* path) const;
  void FreeList();

  uint16_t ListLength() const;
  // Whether a file with this header may be loaded: the same signature and name, a version
  // from lowestVersion (0: this object's own) up to this object's.
  bool Accepts(const uint8_t* fileHeader, uint16_t lowestVersion) const;
  // Takes over a list (allocated by malloc, 2 bytes beyond length) when its items, walked by
  // their sizes, end in the closing key at its last two bytes; else frees it and gives
  // DESKTOP_MISMATCH.
  int32_t TakeList(uint8_t* fileList, uint32_t length);

  uint8_t header[DESKTOP_HEADER_SIZE];
  uint8_t* list; // null when there is none; then the list length is 0

private:
  void SetListLength(uint32_t length);
  // The size of the item found at position, 0 at the closing key.
  uint32_t ItemSizeAt(uint32_t position, uint16_t key) const;
  int ReplaceList(uint32_t position, uint32_t oldSize, uint16_t key, const void* data, uint32_t newSize);
};

uint16_t ReadLittle16(const uint8_t* at);
void WriteLittle16(uint8_t* at, uint32_t value);

// Whether the items of a list lead, by their sizes (each at least 4), to the closing key at
// its last two bytes.
bool DesktopListIsWhole(const uint8_t* list, uint32_t length);

// The desktop settings record, the one item of a new desktop file.

constexpr uint32_t DESKTOP_SETTINGS_SIZE = 1080;
// Its key in the desktop file's item list.
constexpr uint16_t DESKTOP_SETTINGS_KEY = 560;

struct DesktopSettings {
  uint8_t bytes[DESKTOP_SETTINGS_SIZE];
};

// library and temporary: the values of "TARNWIN_LIB" and "TEMP", null when not set; cut to
// their fields.
void FillDesktopSettings(DesktopSettings& settings, const char* library, const char* temporary);

#endif
