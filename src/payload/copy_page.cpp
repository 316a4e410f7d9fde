#include "payload/copy_page.h"

#include "core/frame.h"
#include "core/install_state.h"
#include "resource_ids.h"

PageObject<PayloadCopier> openCopier;

namespace {

const COLORREF FILL_COLOUR = RGB(0, 0, 255);

WNDPROC previousBarProc;

void PaintFill(const PayloadCopier* copier, HWND bar, HDC dc) {
  if (copier == nullptr || copier->TotalBytes() == 0) return;
  RECT client;
  GetClientRect(bar, &client);
  const RECT fill{client.left + PROGRESS_FILL_INSET, client.top + PROGRESS_FILL_INSET,
                  ProgressFillRight(client.left, client.right, copier->DoneBytes(), copier->TotalBytes()), client.bottom};
  HBRUSH brush = CreateSolidBrush(FILL_COLOUR);
  FillRect(dc, &fill, brush);
  DeleteObject(brush);
}

void StartPage(HWND page) {
  SetExitCaption("Abort");
  SubclassProgressBar(page);
  openCopier.Open(page, installState.catalogue);
  // The copy starts once the page has been created and shown.
  PostMessageA(page, WM_COMMAND, IDC_START_COPY, 0);
}

void RunCopy(HWND page) {
  PayloadCopier* copier = openCopier.Get();
  if (copier == nullptr) return;
  UpdateWindow(page);
  installState.copyBegun = 1;
  if (copier->Prepare() && copier->CopyAll()) {
    StartMoveOnPause(page);
    return;
  }
  // ShowErrorPage copies the argument before it destroys this page and its copier.
  ShowErrorPage(copier->Failure().code, copier->Failure().Argument());
}

void EndPage() {
  if (openCopier.Get() == nullptr) return;
  openCopier.Get()->Release();
  openCopier.Close();
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

void SubclassProgressBar(HWND page) {
  HWND bar = GetDlgItem(page, IDC_PROGRESS_BAR);
  previousBarProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProgressBarProc)));
}

LRESULT CALLBACK ProgressBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(bar, &paint);
    RECT client;
    GetClientRect(bar, &client);
    PaintSunkenFrame(dc, client, GetSysColor(COLOR_BTNHIGHLIGHT));
    PaintFill(openCopier.Get(), bar, dc);
    EndPaint(bar, &paint);
  }
  return CallWindowProcA(previousBarProc, bar, message, wParam, lParam);
}

void RedrawProgress(const PayloadCopier& copier) {
  HWND bar = copier.ProgressBar();
  if (bar == nullptr) return;
  HDC dc = GetDC(bar);
  PaintFill(&copier, bar, dc);
  ReleaseDC(bar, dc);
}
