#include "shell_dde_servers.h"

#include <windows.h>

#include <vector>

namespace {

// The window class of a DDE service name, one window a service; the shell registers three.
const char SERVICE_WINDOW_CLASS[] = "WineDdeServerName";
constexpr size_t SHELL_SERVICES = 3;
constexpr DWORD BOUND_MS = 10000;
constexpr DWORD POLL_MS = 20;

BOOL CALLBACK CollectServiceWindow(HWND window, LPARAM found) {
  char name[64];
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() && GetClassNameA(window, name, sizeof name) > 0 &&
      lstrcmpA(name, SERVICE_WINDOW_CLASS) == 0)
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

std::vector<HWND> OtherServiceWindows() {
  std::vector<HWND> found;
  EnumWindows(CollectServiceWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

template <typename Condition>
bool WaitFor(Condition condition) {
  for (DWORD waited = 0; !condition(); waited += POLL_MS) {
    if (waited >= BOUND_MS) return false;
    Sleep(POLL_MS);
  }
  return true;
}

// The basic record of NtQueryInformationAtom.
struct AtomBasicInformation {
  USHORT referenceCount;
  USHORT pinned;
  USHORT nameLength;
  WCHAR name[256];
};
using QueryAtomFunction = LONG(WINAPI*)(ATOM atom, int informationClass, void* information, ULONG length,
                                        ULONG* returned);

} // namespace

bool SilenceOtherDdeServers() {
  // On a system whose desktop starts no such server the wait ends at its bound.
  WaitFor([] { return OtherServiceWindows().size() >= SHELL_SERVICES; });
  for (HWND window : OtherServiceWindows()) PostMessageA(window, WM_CLOSE, 0, 0);
  return WaitFor([] { return OtherServiceWindows().empty(); });
}

int GlobalAtomReferences(const char* name) {
  const ATOM atom = GlobalFindAtomA(name);
  if (atom == 0) return 0;
  auto query = reinterpret_cast<QueryAtomFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationAtom")));
  AtomBasicInformation information{};
  if (query == nullptr || query(atom, 0, &information, sizeof information, nullptr) != 0) return -1;
  return information.referenceCount;
}
