// How long setup.exe's copy step works: from the click on Next of the summary page until the
// copy page's bar is full. Usage: copy_time SETUP.exe — prints the milliseconds, and on stderr
// when the click was done and when the copy page's title was first read: the part of the time
// that the click and the change of page take.
#include <windows.h>

#include <cstdio>

#include "installer_session.h"
#include "progress_bar.h"
#include "resource_ids.h"
#include "stopwatch.h"

namespace {

constexpr unsigned BOUND_MS = 120000;

bool Advance(InstallerSession& setup, const char* title) {
  setup.Click(IDC_NEXT);
  return setup.WaitForPageTitle(title);
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: copy_time SETUP.exe\n");
    return 2;
  }
  InstallerSession setup(argv[1]);
  if (!setup.Started() || !setup.WaitForPageTitle("Welcome!") || !Advance(setup, "Destination directory") ||
      !Advance(setup, "Ready to install")) {
    std::fprintf(stderr, "%s did not reach its summary page\n", argv[1]);
    return 1;
  }
  const Stopwatch watch;
  setup.Click(IDC_NEXT);
  const double clicked = watch.Milliseconds();
  double titled = 0;
  HWND bar = nullptr;
  const DWORD giveUp = GetTickCount() + BOUND_MS;
  while (GetTickCount() < giveUp && !(bar != nullptr && BarIsFull(bar))) {
    if (bar == nullptr && setup.PageTitle() == "Copying files") {
      bar = GetDlgItem(setup.Page(), IDC_PROGRESS_BAR);
      titled = watch.Milliseconds();
    }
    Sleep(1);
  }
  const double elapsed = watch.Milliseconds();
  if (bar == nullptr || !BarIsFull(bar)) {
    std::fprintf(stderr, "the copy of %s did not finish within %u s\n", argv[1], BOUND_MS / 1000);
    return 1;
  }
  std::fprintf(stderr, "click done after %.1f ms, copy page's title read after %.1f ms\n", clicked, titled);
  std::printf("%.1f\n", elapsed);
  return 0;
}
