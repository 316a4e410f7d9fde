#include "core/navigation.h"

#include "core/finishing.h"
#include "core/install_state.h"
#include "resource_ids.h"

namespace {

HWND FrameButton(int id) { return GetDlgItem(installState.mainWindow, id); }

bool FocusIsOnAButton() {
  HWND focus = GetFocus();
  return focus != nullptr &&
         (focus == FrameButton(IDC_BACK) || focus == FrameButton(IDC_NEXT) || focus == FrameButton(IDC_EXIT));
}

void MakePlainButton(int id) { SendMessageA(FrameButton(id), BM_SETSTYLE, BS_PUSHBUTTON, TRUE); }

void MakeDefault(int id) { SendMessageA(installState.mainWindow, DM_SETDEFID, id, 0); }

void MoveFocusTo(int id) { SendMessageA(installState.mainWindow, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(FrameButton(id)), TRUE); }

// One of Back and Next is being turned off: the other one, or else Exit, takes over default and focus.
void HandOverFrom(int disabledId, int otherId, int otherEnabled, bool focusWasOnButton) {
  MakePlainButton(disabledId);
  const int heir = otherEnabled ? otherId : IDC_EXIT;
  MakeDefault(heir);
  if (focusWasOnButton) MoveFocusTo(heir);
  EnableWindow(FrameButton(disabledId), FALSE);
}

} // namespace

HWND CreatePage(const char* templateName, DLGPROC procedure) {
  SetFocus(FrameButton(IDC_NEXT));
  installState.currentPage = CreateDialogParamA(installState.instance, templateName, installState.mainWindow, procedure, 0);
  if (installState.currentPage != nullptr) {
    SendDlgItemMessageA(installState.currentPage, IDC_PAGE_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(installState.boldFont), FALSE);
    ShowWindow(installState.currentPage, SW_SHOWNORMAL);
  }
  return installState.currentPage;
}

void SetNavigationButtons(int backEnabled, int nextEnabled) {
  const bool focusWasOnButton = FocusIsOnAButton();
  if (backEnabled) EnableWindow(FrameButton(IDC_BACK), TRUE);
  if (nextEnabled) EnableWindow(FrameButton(IDC_NEXT), TRUE);
  if (!nextEnabled) HandOverFrom(IDC_NEXT, IDC_BACK, backEnabled, focusWasOnButton);
  if (!backEnabled) HandOverFrom(IDC_BACK, IDC_NEXT, nextEnabled, focusWasOnButton);
  if (nextEnabled) MakeDefault(IDC_NEXT);
}

void SetExitCaption(const char* caption) { SetDlgItemTextA(installState.mainWindow, IDC_EXIT, caption); }

void GoToPosition(int position) {
  const Catalogue& catalogue = installState.catalogue;
  const int page = PageAtPosition(installState.pageSequence, position);
  if (page == END_OF_SEQUENCE) return;
  if (page == catalogue.pageCount - 1) FinishInstallation(installState.errorCode);
  if (installState.currentPage != nullptr) DestroyWindow(installState.currentPage);
  installState.currentPage = nullptr;
  CreatePage(catalogue.pageTemplates[page], catalogue.pageProcedures[page]);
  installState.pagePosition = position;
  if (page >= catalogue.firstWorkPage) {
    SetNavigationButtons(0, 0);
    SetFocus(FrameButton(IDC_EXIT));
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
  } else if (position != 1) {
    // At position 1 the destination page has set the buttons from its free-space test.
    const int hasFollower = PageAtPosition(installState.pageSequence, position + 1) != END_OF_SEQUENCE;
    SetNavigationButtons(position > 0, hasFollower);
  }
}

void NextPage() {
  if (installState.errorCode != 0) return;
  if (installState.currentPage != nullptr) SendMessageA(installState.currentPage, WM_COMMAND, IDC_COMMIT_REQUEST, 0);
  const int verdict = OnLeavePage(PageAtPosition(installState.pageSequence, installState.pagePosition));
  if (verdict == LEAVE_GO_ON)
    GoToPosition(installState.pagePosition + 1);
  else if (verdict == LEAVE_REBUILD_PAGE)
    GoToPosition(installState.pagePosition);
}

void PreviousPage() {
  if (installState.errorCode == 0) GoToPosition(installState.pagePosition - 1);
}

int PollStopRequest() {
  MSG message;
  while (PeekMessageA(&message, installState.mainWindow, 0, 0, PM_REMOVE)) {
    if (!IsDialogMessageA(installState.mainWindow, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  const int requested = installState.stopRequested;
  installState.stopRequested = 0;
  return requested;
}

INT_PTR CALLBACK DefaultPageProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
