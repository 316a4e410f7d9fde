#include "payload/copy_page.h"

#include <new>

#include "core/error_page.h"
#include "core/install_state.h"
#include "core/move_on_pause.h"
#include "core/navigation.h"
#include "payload/payload_copier.h"
#include "payload/progress_bar.h"
#include "resource_ids.h"

PayloadCopier* currentCopier;

namespace {

constexpr UINT MOVE_ON_DELAY_MS = 500;

// One page at a time, so one copier: no allocation that could fail.
alignas(PayloadCopier) unsigned char copierStorage[sizeof(PayloadCopier)];

void StartPage(HWND page) {
  SetExitCaption("Abort");
  SubclassProgressBar(page);
  currentCopier = new (copierStorage) PayloadCopier(page, installState.catalogue);
  // The copy starts once the page has been created and shown.
  PostMessageA(page, WM_COMMAND, IDC_START_COPY, 0);
}

void RunCopy(HWND page) {
  if (currentCopier == nullptr) return;
  UpdateWindow(page);
  if (currentCopier->Prepare() && currentCopier->CopyAll()) {
    StartMoveOnPause(page, MOVE_ON_DELAY_MS);
    return;
  }
  // ShowErrorPage copies the argument before it destroys this page and its copier.
  ShowErrorPage(currentCopier->ErrorCode(), currentCopier->ErrorArgument());
}

void EndPage() {
  if (currentCopier == nullptr) return;
  currentCopier->Release();
  currentCopier->~PayloadCopier();
  currentCopier = nullptr;
}

} // namespace

INT_PTR CALLBACK CopyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG:
    StartPage(page);
    return 0;
  case WM_COMMAND:
    if (LOWORD(wParam) != IDC_START_COPY) break;
    RunCopy(page);
    return 1;
  case WM_TIMER:
    if (EndMoveOnPause(page, wParam)) return 1;
    break;
  case WM_DESTROY:
    EndPage();
    return 0;
  }
  return DefaultPageProc(page, message, wParam, lParam);
}
