#include "core/painted_controls.h"

#include "core/install_state.h"
#include "resource_ids.h"

namespace {

WNDPROC previousPanelProc;
WNDPROC previousSeparatorProc;

const COLORREF PANEL_BACKGROUND = RGB(0, 128, 128);

void Line(HDC dc, HPEN pen, int fromX, int fromY, int toX, int toY) {
  SelectObject(dc, pen);
  MoveToEx(dc, fromX, fromY, nullptr);
  LineTo(dc, toX, toY);
}

void DrawPanelBitmap(HDC dc, const RECT& client) {
  HBITMAP bitmap = LoadBitmapA(installState.instance, MAKEINTRESOURCEA(IDB_PANEL));
  if (bitmap == nullptr) return;
  BITMAP size;
  GetObjectA(bitmap, sizeof size, &size);
  HDC memory = CreateCompatibleDC(dc);
  if (memory != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const int x = (client.right - size.bmWidth - (client.left + 2)) >> 1;
    const int y = (client.bottom - size.bmHeight - (client.top + 2)) >> 1;
    BitBlt(dc, x, y, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
  }
  DeleteObject(bitmap);
}

void PaintPanel(HWND control) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control, &paint);
  RECT client;
  GetClientRect(control, &client);
  HPEN black = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HPEN white = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
  HGDIOBJ originalPen = SelectObject(dc, shadow);

  Line(dc, shadow, client.left, client.bottom, client.left, client.top);
  LineTo(dc, client.right, client.top);
  Line(dc, black, client.left + 1, client.bottom, client.left + 1, client.top + 1);
  LineTo(dc, client.right, client.top + 1);
  SelectObject(dc, white);
  LineTo(dc, client.right, client.bottom);
  LineTo(dc, client.left + 1, client.bottom);

  HBRUSH background = CreateSolidBrush(PANEL_BACKGROUND);
  RECT inner = {client.left + 2, client.top + 2, client.right, client.bottom};
  FillRect(dc, &inner, background);
  DrawPanelBitmap(dc, client);

  SelectObject(dc, originalPen);
  DeleteObject(background);
  DeleteObject(black);
  DeleteObject(shadow);
  DeleteObject(white);
  EndPaint(control, &paint);
}

void PaintSeparator(HWND control) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control, &paint);
  RECT client;
  GetClientRect(control, &client);
  HPEN shadow = CreatePen(PS_SOLID, 0, GetSysColor(COLOR_BTNSHADOW));
  HPEN highlight = CreatePen(PS_SOLID, 0, GetSysColor(COLOR_BTNHIGHLIGHT));
  HGDIOBJ originalPen = SelectObject(dc, shadow);
  Line(dc, shadow, client.left, client.top, client.right, client.top);
  Line(dc, highlight, client.left, client.top + 1, client.right, client.top + 1);
  SelectObject(dc, originalPen);
  DeleteObject(shadow);
  DeleteObject(highlight);
  EndPaint(control, &paint);
}

LRESULT CALLBACK BitmapPanelProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) PaintPanel(control);
  return CallWindowProcA(previousPanelProc, control, message, wParam, lParam);
}

LRESULT CALLBACK SeparatorProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) PaintSeparator(control);
  return CallWindowProcA(previousSeparatorProc, control, message, wParam, lParam);
}

WNDPROC Subclass(HWND control, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

} // namespace

void TakeOverPaintedControls(HWND frame) {
  previousPanelProc = Subclass(GetDlgItem(frame, IDC_BITMAP_PANEL), BitmapPanelProc);
  previousSeparatorProc = Subclass(GetDlgItem(frame, IDC_SEPARATOR), SeparatorProc);
}
