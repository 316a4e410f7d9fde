// A program started by a test; it is ended when the object goes, so no test leaves one behind.
#ifndef TARN_E2E_CHILD_PROCESS_H
#define TARN_E2E_CHILD_PROCESS_H

#include <windows.h>

#include <string>

#include "wait.h"

class ChildProcess {
public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts the program in its own folder, as a double click would, or in the given one; the
  // flags are CreateProcess's (a debugger's DEBUG_ONLY_THIS_PROCESS).
  bool Start(const std::string& executable, const std::string& arguments = "",
             const std::string& currentDirectory = "", DWORD creationFlags = 0);
  // Starts a command line as the system starts a registered command: the program is found
  // in the line itself, quoted or not.
  bool StartCommand(const std::string& commandLine, const std::string& currentDirectory);
  DWORD Id() const { return id; }
  HANDLE Handle() const { return process; }
  bool Running() const;
  bool WaitForExit(unsigned boundMs = DEFAULT_WAIT_BOUND_MS);
  // STILL_ACTIVE while the program runs.
  DWORD ExitCode() const;

private:
  bool Launch(const char* executable, const std::string& line, const std::string& currentDirectory,
              DWORD creationFlags);

  HANDLE process = nullptr;
  DWORD id = 0;
};

#endif
