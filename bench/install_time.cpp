// How long a whole installation takes: setup.exe /S from start to its end, beside the wizard
// from start to its end with Next clicked as soon as each page allows (its pauses included, a
// person's reading time not). Usage: install_time SETUP.exe — prints both in milliseconds.
#include <windows.h>

#include <cstdio>
#include <string>

#include "installer_session.h"
#include "resource_ids.h"
#include "stopwatch.h"
#include "unattended_run.h"

namespace {

// The wizard into the default folder, clicking Next on the pages before the work.
bool Wizard(const std::string& setup) {
  InstallerSession session(setup);
  if (!session.Started()) return false;
  for (const char* title : {"Welcome!", "Destination directory", "Ready to install"}) {
    if (!session.WaitForPageTitle(title)) return false;
    session.Click(IDC_NEXT);
  }
  if (!session.WaitForPageTitle("Installation complete")) return false;
  session.Click(IDC_EXIT);
  return session.WaitForExit() && session.ExitCode() == 0;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: install_time SETUP.exe\n");
    return 2;
  }
  const Stopwatch unattendedWatch;
  const UnattendedOutcome unattended = RunUnattended(argv[1], "/S /D=C:\\TARN unattended");
  const double unattendedMs = unattendedWatch.Milliseconds();
  if (!unattended.ended || unattended.exitCode != 0) {
    std::fprintf(stderr, "setup.exe /S ended with %lu\n", unattended.exitCode);
    return 1;
  }
  const Stopwatch wizardWatch;
  if (!Wizard(argv[1])) {
    std::fprintf(stderr, "the wizard did not reach its end\n");
    return 1;
  }
  std::printf("%.1f %.1f\n", unattendedMs, wizardWatch.Milliseconds());
  return 0;
}
