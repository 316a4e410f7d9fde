#include "core/frame.h"

#include "core/install_state.h"
#include "core/navigation.h"
#include "core/painted_controls.h"
#include "core/reader_setup.h"
#include "core/start_wizard.h"
#include "resource_ids.h"

namespace {

// The bold font when it was made here rather than borrowed from the frame, which owns its own.
HFONT createdBoldFont;

void CentreOnScreen(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) >> 1;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) >> 1;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

HFONT MakeBoldFont(HWND window) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  LOGFONTA description;
  if (font == nullptr || GetObjectA(font, sizeof description, &description) == 0) return font;
  description.lfWeight = FW_BOLD;
  createdBoldFont = CreateFontIndirectA(&description);
  return createdBoldFont != nullptr ? createdBoldFont : font;
}

void SetFrameIcons(HWND frame) {
  const HINSTANCE instance = installState.instance;
  SendMessageA(frame, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_FRAME_SMALL))));
  SendMessageA(frame, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_FRAME_LARGE))));
}

INT_PTR OnFrameCommand(WORD id) {
  switch (id) {
    case IDC_EXIT:
      if (installState.startReaderOnFinish)
        LaunchReaderSetup();
      else
        installState.stopRequested = 1;
      return 1;
    case IDC_NEXT:
      NextPage();
      return 1;
    case IDC_BACK:
      PreviousPage();
      return 1;
    default:
      return 0;
  }
}

} // namespace

INT_PTR CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      installState.mainWindow = frame;
      CentreOnScreen(frame);
      installState.boldFont = MakeBoldFont(frame);
      TakeOverPaintedControls(frame);
      SetFrameIcons(frame);
      StartWizard();
      return 0;
    case WM_COMMAND:
      return OnFrameCommand(LOWORD(wParam));
    case WM_SYSCOMMAND:
      // Only noted here: the system's own handling of the close goes on.
      if ((wParam & 0xFFF0) == SC_CLOSE) installState.stopRequested = 1;
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return 0;
  }
}

int RunInstaller(HINSTANCE instance) {
  installState.instance = instance;
  installState.currentPage = nullptr;
  installState.stopRequested = 0;
  installState.startReaderOnFinish = 0;
  installState.errorCode = 0;
  installState.pageSequence = PageSequence{};
  installState.mainWindow = CreateDialogParamA(instance, "MAINDLG", nullptr, FrameProc, 0);
  if (installState.mainWindow == nullptr) return 0;

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(installState.mainWindow, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (installState.stopRequested) {
      installState.stopRequested = 0;
      DestroyWindow(installState.mainWindow);
    }
  }
  if (createdBoldFont != nullptr) DeleteObject(createdBoldFont);
  createdBoldFont = nullptr;
  ReleasePageSequence(installState.pageSequence);
  return 0;
}
