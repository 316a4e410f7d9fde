#include "wait.h"

#include <windows.h>

#include <cstdlib>

namespace {
constexpr DWORD POLL_INTERVAL_MS = 20;
}

unsigned ScaledBound(unsigned boundMs) {
  const char* text = std::getenv("TARN_WAIT_SCALE");
  const unsigned long scale = text == nullptr ? 1 : std::strtoul(text, nullptr, 10);
  return scale > 1 && scale < 100 ? boundMs * static_cast<unsigned>(scale) : boundMs;
}

bool WaitUntil(const std::function<bool()>& condition, unsigned boundMs) {
  const ULONGLONG deadline = GetTickCount64() + ScaledBound(boundMs);
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(POLL_INTERVAL_MS);
  }
}
