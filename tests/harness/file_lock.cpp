#include "file_lock.h"

FileLock::FileLock(const std::string& path)
    : handle(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                         nullptr)) {}

FileLock::~FileLock() { Unlock(); }

void FileLock::Unlock() {
  if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  handle = INVALID_HANDLE_VALUE;
}
