// setup.exe carries no C runtime, so that it imports nothing but the system's own DLLs
// (every Windows from 95 on has them). This is its entry point.
#include <windows.h>

#include "core/system_libraries.h"
#include "wizard/wizard.h"

extern "C" {
using Constructor = void (*)();
// Laid out by the linker: a -1 (or the count), the constructors, then a 0.
extern Constructor __CTOR_LIST__[];
}

namespace {

void RunStaticConstructors() {
  int count = 0;
  while (__CTOR_LIST__[count + 1] != nullptr) ++count;
  // In reverse, as the compiler's own start-up code does.
  for (int i = count; i >= 1; --i) __CTOR_LIST__[i]();
}

} // namespace

extern "C" void WinMainCRTStartup() {
  KeepLibrarySearchToTheSystem(GetModuleHandleA("KERNEL32"));
  RunStaticConstructors();
  ExitProcess(static_cast<UINT>(RunInstaller(GetModuleHandleA(nullptr))));
}
