#include "wizard_frame.h"

#include <windows.h>

#include "core/frame.h"
#include "core/install_state.h"

namespace {
constexpr DWORD BOUND_MS = 20000;
} // namespace

void ResetWizardState() {
  installState.pageSequence = PageSequence{};
  installState.errorCode = 0;
  installState.stopRequested = 0;
  installState.currentPage = nullptr;
}

bool OpenWizardFrame() {
  ResetWizardState();
  installState.instance = GetModuleHandleA(nullptr);
  installState.startReaderOnFinish = 0;
  return CreateDialogParamA(installState.instance, "MAINDLG", nullptr, FrameProc, 0) != nullptr;
}

bool PumpUntil(const std::function<bool()>& condition) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > BOUND_MS) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (installState.mainWindow != nullptr && IsDialogMessageA(installState.mainWindow, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (installState.stopRequested && installState.mainWindow != nullptr) {
      installState.stopRequested = 0;
      DestroyWindow(installState.mainWindow);
      installState.mainWindow = nullptr;
      installState.currentPage = nullptr;
    }
  }
  return true;
}

void CloseWizardFrame() {
  if (installState.mainWindow != nullptr) DestroyWindow(installState.mainWindow);
  installState.mainWindow = nullptr;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  ReleasePageSequence(installState.pageSequence);
  if (installState.boldFont != nullptr) DeleteObject(installState.boldFont);
  installState.boldFont = nullptr;
}
