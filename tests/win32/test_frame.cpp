#include "test_frame.h"

#include <windows.h>

#include "core/frame.h"
#include "core/install_state.h"

bool OpenFrame() {
  installState.instance = GetModuleHandleA(nullptr);
  installState.currentPage = nullptr;
  installState.stopRequested = 0;
  installState.startReaderOnFinish = 0;
  installState.errorCode = 0;
  installState.pageSequence = PageSequence{};
  return CreateDialogParamA(installState.instance, "MAINDLG", nullptr, FrameProc, 0) != nullptr;
}

void CloseFrame() {
  if (installState.mainWindow != nullptr && IsWindow(installState.mainWindow)) DestroyWindow(installState.mainWindow);
  installState.mainWindow = nullptr;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  ReleasePageSequence(installState.pageSequence);
  if (installState.boldFont != nullptr) DeleteObject(installState.boldFont);
  installState.boldFont = nullptr;
}
