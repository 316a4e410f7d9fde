#include "call_stop.h"

#include "child_process.h"
#include "wait.h"

namespace {

constexpr BYTE INT3 = 0xCC;
constexpr DWORD TRAP_FLAG = 0x100;

template <typename T>
bool ReadFrom(HANDLE process, ULONG_PTR address, T& value) {
  SIZE_T read = 0;
  return ReadProcessMemory(process, reinterpret_cast<LPCVOID>(address), &value, sizeof value, &read) &&
         read == sizeof value;
}

bool ReadNtHeaders(HANDLE process, ULONG_PTR base, IMAGE_NT_HEADERS& headers) {
  IMAGE_DOS_HEADER dos;
  return ReadFrom(process, base, dos) && dos.e_magic == IMAGE_DOS_SIGNATURE &&
         ReadFrom(process, base + static_cast<ULONG_PTR>(dos.e_lfanew), headers) &&
         headers.Signature == IMAGE_NT_SIGNATURE;
}

// The name a library gives itself in its export directory: the same in the driver and in the
// program, where the debug events give a module only as a base address.
std::string ExportedNameOf(HANDLE process, ULONG_PTR base) {
  IMAGE_NT_HEADERS headers;
  IMAGE_EXPORT_DIRECTORY exports;
  if (!ReadNtHeaders(process, base, headers)) return "";
  const IMAGE_DATA_DIRECTORY& directory = headers.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (directory.VirtualAddress == 0 || !ReadFrom(process, base + directory.VirtualAddress, exports)) return "";
  // Byte by byte: a block read past the name could reach beyond the image and fail as a whole.
  std::string name;
  char letter;
  while (name.size() < MAX_PATH && ReadFrom(process, base + exports.Name + name.size(), letter) && letter != '\0')
    name += letter;
  return name;
}

// Where the breakpoint goes, as a module and an offset into it.
struct Entry {
  std::string module;
  ULONG_PTR offset = 0;
};

bool FindEntry(const CallStop& stop, Entry& entry) {
  HMODULE library = LoadLibraryA(stop.module.c_str());
  if (library == nullptr) return false;
  const ULONG_PTR address = reinterpret_cast<ULONG_PTR>(GetProcAddress(library, stop.function.c_str()));
  HMODULE owner = nullptr;
  const bool found = address != 0 && GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                                          reinterpret_cast<LPCSTR>(address), &owner);
  if (found) {
    entry.module = ExportedNameOf(GetCurrentProcess(), reinterpret_cast<ULONG_PTR>(owner));
    entry.offset = address - reinterpret_cast<ULONG_PTR>(owner);
  }
  FreeLibrary(library);
  return found && !entry.module.empty();
}

// The thread that reported a debug event, for its registers.
class StoppedThread {
public:
  explicit StoppedThread(DWORD threadId)
      : thread(OpenThread(THREAD_GET_CONTEXT | THREAD_SET_CONTEXT, FALSE, threadId)) {
    context.ContextFlags = CONTEXT_CONTROL;
    if (thread != nullptr && !GetThreadContext(thread, &context)) {
      CloseHandle(thread);
      thread = nullptr;
    }
  }
  ~StoppedThread() {
    if (thread != nullptr) CloseHandle(thread);
  }
  StoppedThread(const StoppedThread&) = delete;
  StoppedThread& operator=(const StoppedThread&) = delete;

  bool Valid() const { return thread != nullptr; }
#ifdef _WIN64
  ULONG_PTR StackPointer() const { return context.Rsp; }
  void SetInstructionPointer(ULONG_PTR address) { context.Rip = address; }
#else
  ULONG_PTR StackPointer() const { return context.Esp; }
  void SetInstructionPointer(ULONG_PTR address) { context.Eip = address; }
#endif
  // Runs the thread from the address for one instruction, after which it reports a single step
  // and the trap flag is clear again. Set rather than moved back by one, so that it holds
  // wherever the system leaves the pointer (Wine: one past the int3, while the exception names
  // the int3 itself).
  bool StepFrom(ULONG_PTR address) {
    SetInstructionPointer(address);
    context.EFlags |= TRAP_FLAG;
    return SetThreadContext(thread, &context) != FALSE;
  }

private:
  HANDLE thread;
  CONTEXT context{};
};

// The program under the debugger. Whatever way the run ends, the program does not outlive it.
class Debuggee {
public:
  Debuggee() = default;
  ~Debuggee() {
    if (child.Handle() == nullptr || exited) return;
    TerminateProcess(child.Handle(), CALL_STOP_EXIT_CODE);
    // Until it has gone: a debugged program ends only as its debugger takes its last events.
    DEBUG_EVENT event;
    const ULONGLONG deadline = GetTickCount64() + ScaledBound(DEFAULT_WAIT_BOUND_MS);
    while (!exited && Next(event, deadline)) Continue(event, DBG_CONTINUE);
  }
  Debuggee(const Debuggee&) = delete;
  Debuggee& operator=(const Debuggee&) = delete;

  bool Start(const std::string& program, const std::string& arguments, const std::string& currentDirectory) {
    if (!child.Start(program, arguments, currentDirectory, DEBUG_ONLY_THIS_PROCESS)) return false;
    // Already the default; said here because the bound's and a failed test's clean-up rest on it.
    DebugSetProcessKillOnExit(TRUE);
    return true;
  }
  HANDLE Process() const { return child.Handle(); }
  bool Exited() const { return exited; }

  // The next event, with the file handles it hands over closed; false at the deadline.
  bool Next(DEBUG_EVENT& event, ULONGLONG deadline) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline || !WaitForDebugEvent(&event, static_cast<DWORD>(deadline - now))) return false;
    if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT && event.u.CreateProcessInfo.hFile != nullptr)
      CloseHandle(event.u.CreateProcessInfo.hFile);
    if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT && event.u.LoadDll.hFile != nullptr)
      CloseHandle(event.u.LoadDll.hFile);
    if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) exited = true;
    return true;
  }
  void Continue(const DEBUG_EVENT& event, DWORD status) {
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
  }

private:
  ChildProcess child;
  bool exited = false;
};

// An int3 over the first byte of the function's entry in the program.
class Breakpoint {
public:
  ULONG_PTR Address() const { return address; }
  bool Placed() const { return address != 0; }
  void Place(HANDLE process, ULONG_PTR at) {
    if (!ReadFrom(process, at, original)) return;
    address = at;
    if (!Arm(process)) address = 0;
  }
  bool Arm(HANDLE process) { return Write(process, INT3); }
  bool Disarm(HANDLE process) { return Write(process, original); }

private:
  bool Write(HANDLE process, BYTE value) {
    SIZE_T written = 0;
    return WriteProcessMemory(process, reinterpret_cast<LPVOID>(address), &value, 1, &written) && written == 1 &&
           FlushInstructionCache(process, reinterpret_cast<LPCVOID>(address), 1);
  }

  ULONG_PTR address = 0;
  BYTE original = 0;
};

class CallStopRun {
public:
  CallStopRun(const Entry& entry, int occurrence) : entry(entry), occurrence(occurrence) {}

  StoppedRun Run(const std::string& program, const std::string& arguments, const std::string& currentDirectory) {
    if (!debuggee.Start(program, arguments, currentDirectory)) return outcome;
    const ULONGLONG deadline = GetTickCount64() + ScaledBound(START_WAIT_BOUND_MS);
    DEBUG_EVENT event;
    while (!debuggee.Exited() && debuggee.Next(event, deadline)) debuggee.Continue(event, Handle(event));
    outcome.ended = debuggee.Exited();
    return outcome;
  }

private:
  DWORD Handle(const DEBUG_EVENT& event) {
    switch (event.dwDebugEventCode) {
    case CREATE_PROCESS_DEBUG_EVENT: {
      imageStart = reinterpret_cast<ULONG_PTR>(event.u.CreateProcessInfo.lpBaseOfImage);
      IMAGE_NT_HEADERS headers;
      if (ReadNtHeaders(debuggee.Process(), imageStart, headers))
        imageEnd = imageStart + headers.OptionalHeader.SizeOfImage;
      return DBG_CONTINUE;
    }
    case LOAD_DLL_DEBUG_EVENT: {
      const ULONG_PTR base = reinterpret_cast<ULONG_PTR>(event.u.LoadDll.lpBaseOfDll);
      if (!breakpoint.Placed() &&
          lstrcmpiA(ExportedNameOf(debuggee.Process(), base).c_str(), entry.module.c_str()) == 0)
        breakpoint.Place(debuggee.Process(), base + entry.offset);
      return DBG_CONTINUE;
    }
    case EXCEPTION_DEBUG_EVENT:
      return OnException(event.u.Exception.ExceptionRecord, event.dwThreadId);
    case EXIT_PROCESS_DEBUG_EVENT:
      outcome.exitCode = event.u.ExitProcess.dwExitCode;
      return DBG_CONTINUE;
    default:
      return DBG_CONTINUE;
    }
  }

  DWORD OnException(const EXCEPTION_RECORD& record, DWORD threadId) {
    const ULONG_PTR address = reinterpret_cast<ULONG_PTR>(record.ExceptionAddress);
    if (record.ExceptionCode == EXCEPTION_BREAKPOINT && breakpoint.Placed() && address == breakpoint.Address())
      return OnCall(threadId);
    if (record.ExceptionCode == EXCEPTION_SINGLE_STEP && threadId == steppingThread) {
      steppingThread = 0;
      breakpoint.Arm(debuggee.Process());
      return DBG_CONTINUE;
    }
    // The loader's own breakpoint, which every debugged process reports once at its start.
    if (record.ExceptionCode == EXCEPTION_BREAKPOINT && !loaderBreakpointSeen) {
      loaderBreakpointSeen = true;
      return DBG_CONTINUE;
    }
    return DBG_EXCEPTION_NOT_HANDLED;
  }

  // At the entry, before its first instruction: the call is counted when the program's own
  // code made it, and the program ends at the chosen one or steps over the breakpoint.
  DWORD OnCall(DWORD threadId) {
    StoppedThread thread(threadId);
    ULONG_PTR returnAddress = 0;
    const bool ownCall = thread.Valid() && ReadFrom(debuggee.Process(), thread.StackPointer(), returnAddress) &&
                         returnAddress >= imageStart && returnAddress < imageEnd;
    if (ownCall && ++outcome.callsSeen == occurrence) {
      outcome.stopped = TerminateProcess(debuggee.Process(), CALL_STOP_EXIT_CODE) != FALSE;
    } else if (thread.Valid() && breakpoint.Disarm(debuggee.Process()) && thread.StepFrom(breakpoint.Address())) {
      steppingThread = threadId;
    } else {
      // The call cannot run as the program made it: the run ends here, not stopped.
      TerminateProcess(debuggee.Process(), CALL_STOP_EXIT_CODE);
    }
    return DBG_CONTINUE;
  }

  const Entry entry;
  const int occurrence;
  Debuggee debuggee;
  Breakpoint breakpoint;
  StoppedRun outcome;
  ULONG_PTR imageStart = 0;
  ULONG_PTR imageEnd = 0;
  DWORD steppingThread = 0;
  bool loaderBreakpointSeen = false;
};

} // namespace

StoppedRun RunUntilCall(const std::string& program, const std::string& arguments, const CallStop& stop,
                        const std::string& currentDirectory) {
  Entry entry;
  if (!FindEntry(stop, entry)) return StoppedRun{};
  return CallStopRun(entry, stop.occurrence).Run(program, arguments, currentDirectory);
}
