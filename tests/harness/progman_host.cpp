// Hosts the shell's own "PROGMAN" DDE server in a process of its own, which a test can start
// and stop. shell32's ShellDDEInit (exported by ordinal only) starts the server in the calling
// thread, which must then keep pumping messages for the server to answer.
// Exit code: 0 after the quit event, 1 when the server cannot be started.
#include <windows.h>
#include <objbase.h>

#include "progman_host_names.h"

namespace {

constexpr WORD SHELL_DDE_INIT_ORDINAL = 188;
using ShellDdeInitFunction = BOOL(WINAPI*)(BOOL start);

ShellDdeInitFunction FindShellDdeInit() {
  HMODULE shell = LoadLibraryA("shell32.dll");
  if (shell == nullptr) return nullptr;
  return reinterpret_cast<ShellDdeInitFunction>(
      reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(SHELL_DDE_INIT_ORDINAL))));
}

// Dispatches messages until the quit event is set or WM_QUIT arrives.
void PumpUntilSet(HANDLE quit) {
  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjects(1, &quit, FALSE, INFINITE, QS_ALLINPUT);
    if (woken != WAIT_OBJECT_0 + 1) return;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

} // namespace

int main() {
  // The server makes the group's shortcuts through COM, as in a shell's own thread.
  if (FAILED(CoInitialize(nullptr))) return 1;
  const ShellDdeInitFunction shellDdeInit = FindShellDdeInit();
  if (shellDdeInit == nullptr || !shellDdeInit(TRUE)) return 1;
  HANDLE quit = CreateEventA(nullptr, TRUE, FALSE, PROGMAN_HOST_QUIT_EVENT);
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, PROGMAN_HOST_READY_EVENT);
  if (quit == nullptr || ready == nullptr) return 1;
  SetEvent(ready);
  PumpUntilSet(quit);
  shellDdeInit(FALSE);
  CloseHandle(ready);
  CloseHandle(quit);
  CoUninitialize();
  return 0;
}
