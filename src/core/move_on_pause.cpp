#include "core/move_on_pause.h"

#include "core/navigation.h"

namespace {
constexpr UINT_PTR MOVE_ON_TIMER = 1;
} // namespace

void StartMoveOnPause(HWND page, UINT delayMs) { SetTimer(page, MOVE_ON_TIMER, delayMs, nullptr); }

int EndMoveOnPause(HWND page, WPARAM timer) {
  if (timer != MOVE_ON_TIMER) return 0;
  KillTimer(page, MOVE_ON_TIMER);
  NextPage();
  return 1;
}
