#include "unattended_run.h"

#include <algorithm>

#include "child_process.h"
#include "window_query.h"

namespace {

constexpr DWORD LOOK_INTERVAL_MS = 2;

struct Watch {
  DWORD processId;
  std::vector<std::string>* shown;
};

BOOL CALLBACK NoteVisibleWindow(HWND window, LPARAM parameter) {
  auto* watch = reinterpret_cast<Watch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != watch->processId || !IsWindowVisible(window)) return TRUE;
  const std::string seen = ClassNameOf(window) + ": " + WindowText(window);
  if (std::find(watch->shown->begin(), watch->shown->end(), seen) == watch->shown->end())
    watch->shown->push_back(seen);
  return TRUE;
}

// Watches the process, if it started, until it ends or the bound passes.
UnattendedOutcome Watched(const ChildProcess& process, bool started) {
  UnattendedOutcome outcome;
  if (!started) return outcome;
  Watch watch{process.Id(), &outcome.shown};
  const DWORD bound = ScaledBound(START_WAIT_BOUND_MS);
  const DWORD start = GetTickCount();
  while (process.Running() && GetTickCount() - start <= bound) {
    EnumWindows(NoteVisibleWindow, reinterpret_cast<LPARAM>(&watch));
    Sleep(LOOK_INTERVAL_MS);
  }
  outcome.ended = !process.Running();
  outcome.exitCode = process.ExitCode();
  return outcome;
}

} // namespace

UnattendedOutcome RunUnattended(const std::string& program, const std::string& arguments,
                                const std::string& currentDirectory) {
  ChildProcess process;
  const bool started = process.Start(program, arguments, currentDirectory);
  return Watched(process, started);
}

UnattendedOutcome RunUnattendedCommand(const std::string& commandLine, const std::string& currentDirectory) {
  ChildProcess process;
  const bool started = process.StartCommand(commandLine, currentDirectory);
  return Watched(process, started);
}
