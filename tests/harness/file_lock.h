// A file held open without sharing, as another program may hold it: nobody else can open it
// while the object lives.
#ifndef TARN_TESTS_FILE_LOCK_H
#define TARN_TESTS_FILE_LOCK_H

#include <windows.h>

#include <string>

class FileLock {
public:
  // Opens the file, creating it when it does not exist yet.
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const { return handle != INVALID_HANDLE_VALUE; }
  void Unlock();

private:
  HANDLE handle;
};

#endif
