#include "core/page_walk.h"

#include "core/bounded_text.h"
#include "core/install_state.h"
#include "core/platform.h"
#include "core/run_log.h"
#include "core/unattended.h"
#include "resource_ids.h"

namespace {

constexpr UINT_PTR MOVE_ON_TIMER = 1;
constexpr int TITLE_CAPACITY = 64;

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

// The row of the page at the position, or null outside the walk or without a table.
const PageRow* RowAt(int position) {
  const int page = PageAtPosition(installState.pageSequence, position);
  if (page == END_OF_SEQUENCE || installState.catalogue.pages == nullptr) return nullptr;
  return &installState.catalogue.pages[page];
}

bool IsWorkPage(const PageRow* row) {
  return row != nullptr && row - installState.catalogue.pages >= installState.catalogue.firstWorkPage;
}

// Only Exit is left, and has the focus.
void LeaveOnlyExit() {
  SetNavigationButtons(0, 0);
  SetFocus(FrameButton(IDC_EXIT));
}

void ReplaceCurrentPage(const char* templateName, DLGPROC procedure) {
  if (installState.currentPage != nullptr) DestroyWindow(installState.currentPage);
  installState.currentPage = nullptr;
  CreatePage(templateName, procedure);
}

} // namespace

HWND CreatePage(const char* templateName, DLGPROC procedure) {
  SetFocus(FrameButton(IDC_NEXT));
  installState.currentPage = CreateDialogParamA(installState.instance, templateName, installState.mainWindow, procedure, 0);
  if (installState.currentPage != nullptr) {
    SendDlgItemMessageA(installState.currentPage, IDC_PAGE_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(installState.boldFont), FALSE);
    ShowWindow(installState.currentPage, SW_SHOWNORMAL);
    char title[TITLE_CAPACITY];
    GetDlgItemTextA(installState.currentPage, IDC_PAGE_TITLE, title, sizeof title);
    LogLine(title);
    // Posted, so that what the page posts itself while it is made comes first.
    if (!ShowsWindows()) PostMessageA(installState.mainWindow, WM_COMMAND, IDC_UNATTENDED_STEP, 0);
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

void GoToPosition(int position, bool retry) {
  const PageRow* row = RowAt(position);
  if (row == nullptr) return;
  if (row->onEnter != nullptr) row->onEnter();
  ReplaceCurrentPage(retry && row->retryTemplate != nullptr ? row->retryTemplate : row->templateName, row->procedure);
  installState.pagePosition = position;
  if (IsWorkPage(row)) {
    LeaveOnlyExit();
    // The work runs in this one thread between polls of the loop: at the lowest priority it
    // leaves the machine to whatever else the person does meanwhile, for the rest of the run.
    // GetCurrentThread's pseudo-handle, (HANDLE)-2, is documented and constant.
    SetThreadPriority(reinterpret_cast<HANDLE>(-2), THREAD_PRIORITY_LOWEST);
  } else if (!row->setsOwnButtons) {
    const int hasFollower = PageAtPosition(installState.pageSequence, position + 1) != END_OF_SEQUENCE;
    SetNavigationButtons(position > 0, hasFollower);
  }
}

void NextPage() {
  if (installState.failure.code != NO_FAILURE) return;
  if (installState.currentPage != nullptr) SendMessageA(installState.currentPage, WM_COMMAND, IDC_COMMIT_REQUEST, 0);
  const PageRow* row = RowAt(installState.pagePosition);
  const int verdict = row != nullptr && row->onLeave != nullptr ? row->onLeave() : LEAVE_GO_ON;
  if (verdict == LEAVE_GO_ON)
    GoToPosition(installState.pagePosition + 1);
  else if (verdict == LEAVE_RETRY_PAGE)
    GoToPosition(installState.pagePosition, true);
}

void PreviousPage() {
  if (installState.failure.code == NO_FAILURE) GoToPosition(installState.pagePosition - 1);
}

INT_PTR CALLBACK DefaultPageProc(HWND, UINT, WPARAM, LPARAM) { return 0; }

void StartMoveOnPause(HWND page) {
  const PageRow* row = RowAt(installState.pagePosition);
  const bool pause = row != nullptr && PausesBeforeMovingOn();
  SetTimer(page, MOVE_ON_TIMER, pause ? row->moveOnDelayMs : 0, nullptr);
}

int EndMoveOnPause(HWND page, WPARAM timer) {
  if (timer != MOVE_ON_TIMER) return 0;
  KillTimer(page, MOVE_ON_TIMER);
  NextPage();
  return 1;
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

bool UserConfirmsStop(HWND owner) {
  if (!PollStopRequest()) return false;
  return MessageBoxA(owner, "Do you want to stop the installation?", "Install", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void ShowErrorPage() {
  ReplaceCurrentPage("ERRORDLG", ErrorPageProc);
  SetExitCaption("Close");
  LeaveOnlyExit();
}

void FormatStringResource(char (&text)[MESSAGE_CAPACITY], UINT id, const char* argument) {
  char format[MESSAGE_FORMAT_CAPACITY];
  if (LoadStringA(installState.instance, id, format, sizeof format) <= 0) format[0] = '\0';
  FormatWithArgument(text, sizeof text, format, argument);
}

void FormatFailureMessage(char (&text)[MESSAGE_CAPACITY]) {
  FormatStringResource(text, IDS_ERROR_BASE + installState.failure.code, installState.failure.Argument());
}

INT_PTR CALLBACK ErrorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    char text[MESSAGE_CAPACITY];
    FormatFailureMessage(text);
    SetDlgItemTextA(page, IDC_ERROR_MESSAGE, text);
  }
  return DefaultPageProc(page, message, wParam, lParam);
}

void ShowPlatformErrorPage() {
  // Nobody reads the page of an unseen run: the exit code says it.
  if (!ShowsWindows()) Fail(FAILURE_UNSUPPORTED_PLATFORM);
  CreatePage("OSERRORDLG", DefaultPageProc);
  LeaveOnlyExit();
}

bool OnWorkPage() {
  const int position = installState.pagePosition;
  return PageAtPosition(installState.pageSequence, position + 1) != END_OF_SEQUENCE && IsWorkPage(RowAt(position));
}

void TakeUnattendedStep() {
  const bool failed = installState.failure.code != NO_FAILURE;
  if (!failed && OnWorkPage()) return;
  if (!failed && IsWindowEnabled(FrameButton(IDC_NEXT)))
    NextPage();
  else
    installState.stopRequested = 1;
}

void StartPageWalk() {
  if (!CheckPlatform(installState.catalogue.platformFlags)) {
    ShowPlatformErrorPage();
    return;
  }
  BuildPageSequence(installState.pageSequence, installState.catalogue.pageCount);
  installState.pagePosition = 0;
  GoToPosition(0);
}
