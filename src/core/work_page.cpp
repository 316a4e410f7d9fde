#include "core/work_page.h"

#include "core/page_walk.h"

namespace {
// Kept with the code, where there is room: the read-only data section is full to its block.
const char ABORT_CAPTION[] TARN_WITH_CODE = "Abort";
} // namespace

INT_PTR WorkPageProc(const WorkPage& work, HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetExitCaption(ABORT_CAPTION);
      work.open(page);
      PostMessageA(page, WM_COMMAND, work.startCommand, 0);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) != work.startCommand) break;
      // The page is drawn before the work holds the thread.
      UpdateWindow(page);
      EndWork(page, work.run(page));
      return 1;
    case WM_TIMER:
      if (EndMoveOnPause(page, wParam)) return 1;
      break;
    case WM_DESTROY:
      work.close();
      return 0;
  }
  return work.ownMessages != nullptr ? work.ownMessages(page, message, wParam, lParam)
                                     : DefaultPageProc(page, message, wParam, lParam);
}

void EndWork(HWND page, int outcome) {
  if (outcome == WORK_DONE)
    StartMoveOnPause(page);
  else if (outcome == WORK_FAILED)
    ShowErrorPage();
  else if (outcome == WORK_NOTHING)
    NextPage();
}
