#include "progman_host.h"

#include "progman_host_names.h"
#include "test_environment.h"
#include "wait.h"

ProgmanHost::ProgmanHost()
    : readyEvent(CreateEventA(nullptr, TRUE, FALSE, PROGMAN_HOST_READY_EVENT)),
      quitEvent(CreateEventA(nullptr, TRUE, FALSE, PROGMAN_HOST_QUIT_EVENT)) {
  if (readyEvent == nullptr || quitEvent == nullptr) return;
  if (!process.Start(WindowsPathFromEnvironment(PROGMAN_HOST_VARIABLE))) return;
  ready = WaitUntil([this] { return WaitForSingleObject(readyEvent, 0) == WAIT_OBJECT_0 || !process.Running(); },
                    START_WAIT_BOUND_MS) &&
          process.Running();
}

ProgmanHost::~ProgmanHost() {
  Stop();
  if (readyEvent != nullptr) CloseHandle(readyEvent);
  if (quitEvent != nullptr) CloseHandle(quitEvent);
}

bool ProgmanHost::Stop() {
  if (quitEvent != nullptr) SetEvent(quitEvent);
  return process.WaitForExit() && process.ExitCode() == 0;
}
