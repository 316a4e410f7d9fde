// How long an installer takes from process start to its first page on the screen.
// Usage: first_page_time INSTALLER.exe — prints the milliseconds; the installer is then ended.
#include <windows.h>

#include <cstdio>

#include "child_process.h"
#include "stopwatch.h"
#include "window_query.h"

namespace {

constexpr unsigned BOUND_MS = 60000;

struct Search {
  DWORD processId;
  bool found;
};

// A page is up when a visible window of the process shows a visible page dialog inside it.
BOOL CALLBACK FindFirstPage(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  search->found = owner == search->processId && IsWindowVisible(window) && FindVisibleChildDialog(window) != nullptr;
  return !search->found;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: first_page_time INSTALLER.exe\n");
    return 2;
  }
  const Stopwatch watch;
  ChildProcess installer;
  if (!installer.Start(argv[1])) {
    std::fprintf(stderr, "cannot start %s\n", argv[1]);
    return 1;
  }
  Search search{installer.Id(), false};
  const DWORD giveUp = GetTickCount() + BOUND_MS;
  while (!search.found && GetTickCount() < giveUp) {
    EnumWindows(FindFirstPage, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(1);
  }
  const double elapsed = watch.Milliseconds();
  if (!search.found) {
    std::fprintf(stderr, "no page of %s appeared within %u s\n", argv[1], BOUND_MS / 1000);
    return 1;
  }
  std::printf("%.1f\n", elapsed);
  return 0;
}
