// progman_host.exe (TARN_PROGMAN_HOST) started for a test: the shell's "PROGMAN" DDE server
// in a process of its own, stopped again when the object goes.
#ifndef TARN_E2E_PROGMAN_HOST_H
#define TARN_E2E_PROGMAN_HOST_H

#include <windows.h>

#include "child_process.h"

class ProgmanHost {
public:
  ProgmanHost();
  ~ProgmanHost();
  ProgmanHost(const ProgmanHost&) = delete;
  ProgmanHost& operator=(const ProgmanHost&) = delete;

  // True once the host's server answers.
  bool Ready() const { return ready; }
  DWORD ProcessId() const { return process.Id(); }
  // Asks the host to end; true when it ended by itself with exit code 0.
  bool Stop();

private:
  HANDLE readyEvent;
  HANDLE quitEvent;
  ChildProcess process;
  bool ready = false;
};

#endif
