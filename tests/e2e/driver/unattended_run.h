// A program run with no person at the screen, as a deployment tool runs it: started with its
// arguments and watched until it ends, for any window of its own that becomes visible.
#ifndef TARN_E2E_UNATTENDED_RUN_H
#define TARN_E2E_UNATTENDED_RUN_H

#include <windows.h>

#include <string>
#include <vector>

struct UnattendedOutcome {
  bool ended = false;          // within the bound
  DWORD exitCode = STILL_ACTIVE;
  std::vector<std::string> shown; // "class: caption" of every window of the process seen visible
};

// Starts the program by its Windows path, in its own folder or the given current directory,
// and looks at its top-level windows every few milliseconds until it ends. A window once shown
// stays until someone closes it, and nobody does here, so none can slip by unseen.
UnattendedOutcome RunUnattended(const std::string& program, const std::string& arguments,
                                const std::string& currentDirectory = "");
// The same with a whole command line, the program found in it as CreateProcess finds it when
// given no program name: as deployment tools run a registered command, without a shell.
UnattendedOutcome RunUnattendedCommand(const std::string& commandLine, const std::string& currentDirectory);

#endif
