// LZ32, which expands the compressed rows, taken from the system directory by its full path
// when a copy first needs it: a LZ32.DLL beside setup.exe would otherwise be the one loaded.
#ifndef TARN_PAYLOAD_LZ32_FUNCTIONS_H
#define TARN_PAYLOAD_LZ32_FUNCTIONS_H

#include <windows.h>

#include <lzexpand.h>

#include "core/system_libraries.h"

class Lz32Functions {
public:
  // Loads the library and takes its functions; false when it is not there or lacks one.
  bool Load();
  bool Loaded() const { return procedures[CLOSE] != nullptr; }

  INT OpenFile(LPSTR name, LPOFSTRUCT opened, WORD mode) const {
    return AsFunction<decltype(&LZOpenFileA)>(procedures[OPEN_FILE])(name, opened, mode);
  }
  INT Read(INT file, LPSTR buffer, INT count) const {
    return AsFunction<decltype(&LZRead)>(procedures[READ])(file, buffer, count);
  }
  LONG Copy(INT source, INT destination) const {
    return AsFunction<decltype(&LZCopy)>(procedures[COPY])(source, destination);
  }
  void Close(INT file) const { AsFunction<decltype(&LZClose)>(procedures[CLOSE])(file); }

private:
  // In the order of their names in Load; CLOSE last, so that it is set only once all are.
  enum { OPEN_FILE, READ, COPY, CLOSE, COUNT };
  FARPROC procedures[COUNT] = {};
};

#endif
