#include "wizard_frame.h"

#include <windows.h>

#include "core/frame.h"
#include "core/install_state.h"
#include "wizard/wizard.h"

namespace {
constexpr DWORD BOUND_MS = 20000;
} // namespace

bool OpenWizardFrame() {
  // A test may have pointed the instance at a payload carrier already.
  ResetInstallState(installState.instance != nullptr ? installState.instance : GetModuleHandleA(nullptr));
  return OpenFrame(StartWizard) != nullptr;
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
  if (installState.mainWindow != nullptr && IsWindow(installState.mainWindow)) DestroyWindow(installState.mainWindow);
  installState.mainWindow = nullptr;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  ReleasePageSequence(installState.pageSequence);
  if (installState.ownBoldFont != nullptr) DeleteObject(installState.ownBoldFont);
  installState.ownBoldFont = nullptr;
  installState.boldFont = nullptr;
}
