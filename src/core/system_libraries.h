// Which libraries the programs load, and from where: only the system's own, from the system
// directory. Both programs run with administrator rights from folders such as Downloads,
// where anyone may have left a library under a system library's name.
#ifndef TARN_CORE_SYSTEM_LIBRARIES_H
#define TARN_CORE_SYSTEM_LIBRARIES_H

#include <windows.h>

#include <cstring>

// Called first thing at entry, before any window, with KERNEL32's handle: a library that is
// loaded by name afterwards comes from the system directory, never from the program's folder
// or the current directory. Each way is looked up in the module given, so that a test can hand
// it one that lacks them, as the oldest systems do.
void KeepLibrarySearchToTheSystem(HMODULE kernel32);

// The library of that name (shorter than LIBRARY_NAME_CAPACITY) in the system directory,
// loaded by its full path; nullptr when it is not there.
constexpr size_t LIBRARY_NAME_CAPACITY = 16;
HMODULE LoadSystemLibrary(const char* name);

// The next name of a list of names, each ended by a NUL and the list by an empty one.
inline const char* NextName(const char* name) { return name + std::strlen(name) + 1; }

// A procedure that GetProcAddress found, as the function it is.
template <typename Function>
Function AsFunction(FARPROC procedure) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(procedure));
}

#endif
