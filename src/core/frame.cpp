#include "core/frame.h"

#include "core/install_state.h"
#include "core/page_walk.h"
#include "core/unattended.h"
#include "resource_ids.h"

namespace {

WNDPROC previousPanelProc;
WNDPROC previousSeparatorProc;

const COLORREF PANEL_BACKGROUND = RGB(0, 128, 128);
// The panel's picture is drawn pixel for pixel for this resolution.
constexpr int PICTURE_DPI = 96;

// A line through the points, the last one left out, one pixel wide in the colour.
void DrawLine(HDC dc, const POINT* points, int count, COLORREF colour) {
  HPEN pen = CreatePen(PS_SOLID, 0, colour);
  HGDIOBJ kept = SelectObject(dc, pen);
  Polyline(dc, points, count);
  SelectObject(dc, kept);
  DeleteObject(pen);
}

void DrawPanelBitmap(HDC dc, const RECT& client) {
  HBITMAP bitmap = LoadBitmapA(installState.instance, MAKEINTRESOURCEA(IDB_PANEL));
  if (bitmap == nullptr) return;
  BITMAP size;
  GetObjectA(bitmap, sizeof size, &size);
  HDC memory = CreateCompatibleDC(dc);
  if (memory != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    // The picture grows with the resolution, as the panel does in dialog units, but where the
    // dialog's font has no size for a high resolution the panel grows less: the picture then
    // fills it, short of its sunken edge. Around it the panel's colour, which is also the
    // picture's own background.
    int height = size.bmHeight * GetDeviceCaps(dc, LOGPIXELSY) / PICTURE_DPI;
    const int heightForWidth = size.bmHeight * (client.right - 6) / size.bmWidth;
    if (height > client.bottom - 6) height = client.bottom - 6;
    if (height > heightForWidth) height = heightForWidth;
    const int width = size.bmWidth * height / size.bmHeight;
    const int x = (client.right - width - (client.left + 2)) >> 1;
    const int y = (client.bottom - height - (client.top + 2)) >> 1;
    // Smoothly where the platform offers HALFTONE (NT); Windows 95 to Me do not, and stretch
    // plainly.
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, x, y, width, height, memory, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
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
  PaintSunkenFrame(dc, client, RGB(255, 255, 255));
  HBRUSH background = CreateSolidBrush(PANEL_BACKGROUND);
  RECT inner = {client.left + 2, client.top + 2, client.right, client.bottom};
  FillRect(dc, &inner, background);
  DrawPanelBitmap(dc, client);

  DeleteObject(background);
  EndPaint(control, &paint);
}

void PaintSeparator(HWND control) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control, &paint);
  RECT client;
  GetClientRect(control, &client);
  const POINT shadow[] = {{client.left, client.top}, {client.right, client.top}};
  const POINT highlight[] = {{client.left, client.top + 1}, {client.right, client.top + 1}};
  DrawLine(dc, shadow, 2, GetSysColor(COLOR_BTNSHADOW));
  DrawLine(dc, highlight, 2, GetSysColor(COLOR_BTNHIGHLIGHT));
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

void TakeOverPaintedControls(HWND frame) {
  previousPanelProc = Subclass(GetDlgItem(frame, IDC_BITMAP_PANEL), BitmapPanelProc);
  previousSeparatorProc = Subclass(GetDlgItem(frame, IDC_SEPARATOR), SeparatorProc);
}

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
  installState.ownBoldFont = CreateFontIndirectA(&description);
  return installState.ownBoldFont != nullptr ? installState.ownBoldFont : font;
}

void SetFrameIcons(HWND frame) {
  const HINSTANCE instance = installState.instance;
  SendMessageA(frame, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_FRAME_SMALL))));
  SendMessageA(frame, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_FRAME_LARGE))));
}

INT_PTR OnFrameCommand(WORD id) {
  switch (id) {
    case IDC_EXIT:
      if (installState.exitAction != nullptr)
        installState.exitAction();
      else
        installState.stopRequested = 1;
      return 1;
    case IDC_NEXT:
      NextPage();
      return 1;
    case IDC_BACK:
      PreviousPage();
      return 1;
    case IDC_UNATTENDED_STEP:
      TakeUnattendedStep();
      return 1;
    default:
      return 0;
  }
}

} // namespace

INT_PTR CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      installState.mainWindow = frame;
      CentreOnScreen(frame);
      installState.boldFont = MakeBoldFont(frame);
      TakeOverPaintedControls(frame);
      SetFrameIcons(frame);
      reinterpret_cast<WizardStart>(lParam)();
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

HWND OpenFrame(WizardStart start) {
  HWND frame = CreateDialogParamA(installState.instance, "MAINDLG", nullptr, FrameProc, reinterpret_cast<LPARAM>(start));
  // Unseen, the frame is never shown, and every page is its child.
  if (frame != nullptr && ShowsWindows()) ShowWindow(frame, SW_SHOWNORMAL);
  return frame;
}

void RunFrame(WizardStart start) {
  installState.mainWindow = OpenFrame(start);
  if (installState.mainWindow == nullptr) {
    Fail(FAILURE_INTERNAL_DATA_MISSING);
    return;
  }

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(installState.mainWindow, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (installState.stopRequested) {
      installState.stopRequested = 0;
      // Abort or the close box in a work page's pause: the run did not complete.
      if (installState.failure.code == NO_FAILURE && OnWorkPage()) Fail(FAILURE_ABORTED);
      DestroyWindow(installState.mainWindow);
    }
  }
  if (installState.ownBoldFont != nullptr) DeleteObject(installState.ownBoldFont);
  installState.ownBoldFont = nullptr;
  ReleasePageSequence(installState.pageSequence);
}

void PaintSunkenFrame(HDC dc, const RECT& c, COLORREF farSides) {
  const POINT inner[] = {{c.left + 1, c.bottom}, {c.left + 1, c.top + 1}, {c.right, c.top + 1}};
  const POINT outer[] = {{c.left, c.bottom}, {c.left, c.top}, {c.right + 1, c.top}};
  const POINT farSide[] = {{c.right, c.top + 1}, {c.right, c.bottom}, {c.left, c.bottom}};
  DrawLine(dc, inner, 3, RGB(0, 0, 0));
  DrawLine(dc, outer, 3, GetSysColor(COLOR_BTNSHADOW));
  DrawLine(dc, farSide, 3, farSides);
}
