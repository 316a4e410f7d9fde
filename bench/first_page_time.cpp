// How long an installer takes from process start to its first page on the screen.
// Usage: first_page_time INSTALLER.exe — prints the milliseconds; the installer is then ended.
#include <windows.h>

#include <cstdio>

namespace {

struct Search {
  DWORD processId;
  bool found;
};

BOOL CALLBACK HasVisibleChildDialog(HWND child, LPARAM parameter) {
  char className[16];
  if (IsWindowVisible(child) && GetClassNameA(child, className, sizeof className) > 0 &&
      lstrcmpA(className, "#32770") == 0) {
    *reinterpret_cast<bool*>(parameter) = true;
    return FALSE;
  }
  return TRUE;
}

// A page is up when a visible window of the process shows a visible page dialog inside it.
BOOL CALLBACK FindFirstPage(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  bool hasPage = false;
  EnumChildWindows(window, HasVisibleChildDialog, reinterpret_cast<LPARAM>(&hasPage));
  if (hasPage) search->found = true;
  return !search->found;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: first_page_time INSTALLER.exe\n");
    return 2;
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start, now;
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "cannot start %s\n", argv[1]);
    return 1;
  }
  Search search{process.dwProcessId, false};
  const DWORD giveUp = GetTickCount() + 60000;
  while (!search.found && GetTickCount() < giveUp) {
    EnumWindows(FindFirstPage, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(1);
  }
  QueryPerformanceCounter(&now);
  TerminateProcess(process.hProcess, 0);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!search.found) {
    std::fprintf(stderr, "no page of %s appeared within 60 s\n", argv[1]);
    return 1;
  }
  std::printf("%.1f\n", Milliseconds(start, now));
  return 0;
}
