#include "payload/progress_bar.h"

#include "payload/copy_page.h"
#include "payload/copy_progress.h"
#include "payload/payload_copier.h"
#include "resource_ids.h"

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

void Polyline3(HDC dc, int x0, int y0, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  LineTo(dc, x2, y2);
}

// A sunken frame: black inside, the shadow colour outside, the highlight on the far sides.
void PaintFrameLines(HWND bar, HDC dc) {
  RECT c;
  GetClientRect(bar, &c);
  HPEN shadow = CreatePen(PS_SOLID, 0, GetSysColor(COLOR_BTNSHADOW));
  HPEN highlight = CreatePen(PS_SOLID, 0, GetSysColor(COLOR_BTNHIGHLIGHT));
  Polyline3(dc, c.left + 1, c.bottom, c.left + 1, c.top + 1, c.right, c.top + 1);
  HGDIOBJ kept = SelectObject(dc, shadow);
  Polyline3(dc, c.left, c.bottom, c.left, c.top, c.right + 1, c.top);
  SelectObject(dc, highlight);
  Polyline3(dc, c.right, c.top + 1, c.right, c.bottom, c.left, c.bottom);
  SelectObject(dc, kept);
  DeleteObject(shadow);
  DeleteObject(highlight);
}

} // namespace

void SubclassProgressBar(HWND page) {
  HWND bar = GetDlgItem(page, IDC_PROGRESS_BAR);
  previousBarProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProgressBarProc)));
}

LRESULT CALLBACK ProgressBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(bar, &paint);
    PaintFrameLines(bar, dc);
    PaintFill(currentCopier, bar, dc);
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
