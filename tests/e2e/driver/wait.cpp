#include "wait.h"

#include <windows.h>

namespace {
constexpr DWORD POLL_INTERVAL_MS = 20;
}

bool WaitUntil(const std::function<bool()>& condition, unsigned boundMs) {
  const ULONGLONG deadline = GetTickCount64() + boundMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(POLL_INTERVAL_MS);
  }
}
