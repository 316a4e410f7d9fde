#include "frame_pump.h"

#include <windows.h>

#include "core/frame.h"
#include "core/install_state.h"

namespace {
constexpr DWORD BOUND_MS = 20000;
} // namespace

bool OpenTestFrame() {
  installState.errorCode = 0;
  installState.stopRequested = 0;
  installState.currentPage = nullptr;
  return CreateDialogParamA(installState.instance, "MAINDLG", nullptr, FrameProc, 0) != nullptr;
}

void CloseTestFrame() {
  if (installState.mainWindow != nullptr) DestroyWindow(installState.mainWindow);
  installState.mainWindow = nullptr;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  ReleasePageSequence(installState.pageSequence);
  if (installState.boldFont != nullptr) DeleteObject(installState.boldFont);
  installState.boldFont = nullptr;
}

bool PumpUntil(const std::function<bool()>& condition) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > BOUND_MS) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (IsDialogMessageA(installState.mainWindow, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return true;
}
