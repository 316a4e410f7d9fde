// A program run under the debug API and ended at a chosen platform call: how a test stops the
// program as it ships at a named step, since a kill timed from outside hits no chosen moment.
#ifndef TARN_E2E_CALL_STOP_H
#define TARN_E2E_CALL_STOP_H

#include <windows.h>

#include <string>

struct CallStop {
  std::string module;   // as the program imports it, e.g. "kernel32.dll"
  std::string function; // e.g. "MoveFileA"
  int occurrence;       // 1 for the first call
};

struct StoppedRun {
  bool stopped = false;  // ended at the chosen call, before the call did anything
  bool ended = false;    // ended within the bound, at the call or by itself
  DWORD exitCode = STILL_ACTIVE;
  int callsSeen = 0;     // calls of the function made by the program's own code
};

// The exit code of a program ended at its call.
constexpr DWORD CALL_STOP_EXIT_CODE = 0xCA11;

// Starts the program (debugger and program of the same width), in its own folder or the given
// current directory, with a breakpoint on the function's entry, and ends it with
// CALL_STOP_EXIT_CODE at the chosen call. Only calls whose return address lies in the
// program's own image count: the platform's libraries call the same functions among
// themselves (Wine's make about 120 heap allocations before a small program's first), which
// would make the count depend on the platform's version.
// The entry is where the driver's own GetProcAddress leads, moved from that module's base in
// the driver to its base in the program (the same under Wine 8, which loads every library at
// its preferred base), so that a forwarded export is caught where the loader binds the
// program's import. Under Wine 8 kernel32's CreateFileA and MoveFileA are stubs of kernel32
// that jump into kernelbase, advapi32's RegSetValueA is advapi32's own, and kernel32's
// HeapAlloc is a forwarder to ntdll's RtlAllocateHeap.
// A call from another thread while the program steps over the breakpoint is not seen; the
// program under test makes its calls from one thread. On the bound the program is ended and
// `ended` is false. Call it from the thread that waits for the result: debug events go to the
// thread that started the program.
StoppedRun RunUntilCall(const std::string& program, const std::string& arguments, const CallStop& stop,
                        const std::string& currentDirectory = "");

#endif
