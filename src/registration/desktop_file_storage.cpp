// Loading and saving a desktop file through a SimpleFile, which closes its file on every path.
#include <cstdlib>

#include "payload/simple_file.h"
#include "registration/desktop_file.h"

int32_t DesktopFile::Load(const char* path, uint16_t lowestVersion) {
  SimpleFile file;
  if (file.Open(path, OF_READ) != 0) return FILE_ERROR_OPEN;
  uint8_t fileHeader[DESKTOP_HEADER_SIZE];
  if (file.Read(fileHeader, sizeof fileHeader) != sizeof fileHeader) return FILE_ERROR_READ;
  if (!Accepts(fileHeader, lowestVersion)) return DESKTOP_MISMATCH;
  const uint32_t length = ReadLittle16(fileHeader + DESKTOP_LIST_LENGTH_AT);
  if (length == 0) return DESKTOP_NO_MEMORY;
  auto* fileList = static_cast<uint8_t*>(std::malloc(length + DESKTOP_CLOSING_KEY_SIZE));
  if (fileList == nullptr) return DESKTOP_NO_MEMORY;
  if (file.Read(fileList, length) != length) {
    std::free(fileList);
    return FILE_ERROR_READ;
  }
  file.Close();
  return TakeList(fileList, length);
}

int32_t DesktopFile::Save(const char* path) const {
  if (list == nullptr) return DESKTOP_NO_LIST;
  SimpleFile file;
  if (file.Create(path, 0) != 0) return FILE_ERROR_CREATE;
  if (file.Write(header, sizeof header) != sizeof header) return FILE_ERROR_WRITE;
  if (file.Write(list, ListLength()) != ListLength()) return FILE_ERROR_WRITE;
  return file.Close() ? 0 : FILE_ERROR_WRITE;
}
