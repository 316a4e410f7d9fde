// How much of a drive a reinstallation takes at its fullest, beyond the installation it
// replaces: setup.exe /S installs into E:\TARN, then /S runs again over it while the free space
// of E: is read as often as the system answers. The fullest moment lasts from the copy's last
// file until the kept copies go, after the registry step, so a busy reader sees it. Usage:
// reinstall_disk SETUP.exe, with E: a drive of its own (TARN_WINE_DRIVES="e:16m"). Prints the
// installation's bytes, the peak beyond them, and how many readings were taken.
#include <windows.h>

#include <cstdio>

#include "child_process.h"
#include "unattended_run.h"

namespace {

constexpr char ARGUMENTS[] = "/S /D=E:\\TARN";

ULONGLONG FreeBytes() {
  ULARGE_INTEGER free{};
  GetDiskFreeSpaceExA("E:\\", &free, nullptr, nullptr);
  return free.QuadPart;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: reinstall_disk SETUP.exe\n");
    return 2;
  }
  const ULONGLONG empty = FreeBytes();
  const UnattendedOutcome first = RunUnattended(argv[1], ARGUMENTS);
  if (!first.ended || first.exitCode != 0) {
    std::fprintf(stderr, "the first setup.exe %s ended with %lu\n", ARGUMENTS, first.exitCode);
    return 1;
  }
  const ULONGLONG installed = FreeBytes();
  ChildProcess again;
  if (!again.Start(argv[1], ARGUMENTS)) {
    std::fprintf(stderr, "cannot start %s again\n", argv[1]);
    return 1;
  }
  ULONGLONG least = installed;
  unsigned long readings = 0;
  for (; again.Running(); ++readings) {
    const ULONGLONG free = FreeBytes();
    if (free < least) least = free;
  }
  if (again.ExitCode() != 0) {
    std::fprintf(stderr, "the reinstallation ended with %lu\n", again.ExitCode());
    return 1;
  }
  std::printf("%llu %llu %lu\n", empty - installed, installed - least, readings);
  return 0;
}
