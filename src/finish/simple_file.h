// A file over the handle-based calls (_lopen, _lcreat, _lread, _lwrite, _lclose) that keeps
// the code of its last failure and closes its file when it goes out of scope.
#ifndef TARN_FINISH_SIMPLE_FILE_H
#define TARN_FINISH_SIMPLE_FILE_H

#include <windows.h>

#include <cstdint>

// Codes kept in SimpleFile::error; 0 after every successful operation.
constexpr int32_t FILE_ERROR_OPEN = 2;
constexpr int32_t FILE_ERROR_READ = 12;   // a read, or closing a file opened for reading
constexpr int32_t FILE_ERROR_WRITE = 13;  // a write, or closing a file opened for writing
constexpr int32_t FILE_ERROR_CREATE = 14;

class SimpleFile {
public:
  SimpleFile() : handle(0), error(0), readOnly(1) {}
  ~SimpleFile();
  SimpleFile(const SimpleFile&) = delete;
  SimpleFile& operator=(const SimpleFile&) = delete;

  // Open with an OF_ access mode, create (or truncate) with file attributes: the new error.
  int32_t Open(const char* path, int mode);
  int32_t Create(const char* path, int attributes);
  // The count moved, 0 when the call failed; only error tells a failed read from the end.
  UINT Read(void* buffer, UINT count);
  UINT Write(const void* buffer, UINT count);
  // 1, or 0 when closing failed; the handle is 0 afterwards either way.
  int Close();

  HFILE handle; // 0 when none is open, negative after a failed open or create
  int32_t error;
  int32_t readOnly;
};

#endif
