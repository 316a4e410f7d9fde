#include "payload/simple_file.h"

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
