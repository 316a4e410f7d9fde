// SimpleFile, and the desktop file loaded and saved through it.
#include "finish/simple_file.h"

#include <cstdlib>

#include "finish/desktop_file.h"

namespace {

constexpr int ACCESS_MODE_BITS = 3;

} // namespace

SimpleFile::~SimpleFile() {
  if (handle > 0) _lclose(handle);
}

int32_t SimpleFile::Open(const char* path, int mode) {
  readOnly = (mode & ACCESS_MODE_BITS) == OF_READ ? 1 : 0;
  handle = _lopen(path, mode);
  error = handle >= 0 ? 0 : FILE_ERROR_OPEN;
  return error;
}

int32_t SimpleFile::Create(const char* path, int attributes) {
  readOnly = 0;
  handle = _lcreat(path, attributes);
  error = handle >= 0 ? 0 : FILE_ERROR_CREATE;
  return error;
}

UINT SimpleFile::Read(void* buffer, UINT count) {
  const UINT read = _lread(handle, buffer, count);
  if (read == static_cast<UINT>(HFILE_ERROR)) {
    error = FILE_ERROR_READ;
    return 0;
  }
  error = 0;
  return read;
}

UINT SimpleFile::Write(const void* buffer, UINT count) {
  const UINT written = _lwrite(handle, static_cast<LPCCH>(buffer), count);
  if (written == static_cast<UINT>(HFILE_ERROR)) {
    error = FILE_ERROR_WRITE;
    return 0;
  }
  error = written == count ? 0 : FILE_ERROR_WRITE;
  return written;
}

int SimpleFile::Close() {
  const HFILE closing = handle;
  handle = 0;
  if (_lclose(closing) == HFILE_ERROR) {
    error = readOnly ? FILE_ERROR_READ : FILE_ERROR_WRITE;
    return 0;
  }
  error = 0;
  return 1;
}

// A desktop file is loaded and saved through a SimpleFile, which closes its file on every path.

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
