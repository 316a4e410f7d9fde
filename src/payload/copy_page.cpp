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

void OpenCopier(HWND page) {
  SubclassProgressBar(page);
  openCopier.Open(page, installState.catalogue);
}

int RunCopy(HWND) {
  PayloadCopier* copier = openCopier.Get();
  return copier->Prepare() && copier->CopyAll() ? WORK_DONE : WORK_FAILED;
}

void CloseCopier() {
  if (openCopier.Get() != nullptr) openCopier.Get()->Release();
  openCopier.Close();
}

const WorkPage COPY_WORK TARN_WITH_CODE = {IDC_START_COPY, OpenCopier, RunCopy, CloseCopier, nullptr};

} // namespace

INT_PTR CALLBACK CopyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return WorkPageProc(COPY_WORK, page, message, wParam, lParam);
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
