// The stand-in of "tarn.exe": a window saying what it is and which document it was asked to
// show, so that the program-group item and the ".trn" open command can be tried. Like
// setup.exe it carries no C runtime and imports only system DLLs.
#include <windows.h>

#include "standin_ids.h"

namespace {

const char CLASS_NAME[] = "TarnStandin";
const char CAPTION[] = "TARN stand-in";
const char INTRODUCTION[] = "This is the TARN stand-in, not the document browser itself.\r\n\r\n";
const char NO_DOCUMENT[] = "No document was named on the command line.";
const char DOCUMENT[] = "Document: ";

char message[MAX_PATH + 200];

// The command line after the program's own name, without the quotes around a document name.
char* DocumentArgument(char* line) {
  if (*line == '"') {
    ++line;
    while (*line != '\0' && *line != '"') ++line;
    if (*line == '"') ++line;
  } else {
    while (*line > ' ') ++line;
  }
  while (*line == ' ' || *line == '\t') ++line;
  if (*line == '"') {
    ++line;
    char* end = line;
    while (*end != '\0' && *end != '"') ++end;
    *end = '\0';
  }
  return line;
}

void ComposeMessage(const char* document) {
  lstrcpynA(message, INTRODUCTION, sizeof message);
  if (*document == '\0') {
    lstrcatA(message, NO_DOCUMENT);
    return;
  }
  lstrcatA(message, DOCUMENT);
  const int used = lstrlenA(message);
  lstrcpynA(message + used, document, static_cast<int>(sizeof message) - used);
}

LRESULT CALLBACK WindowProc(HWND window, UINT code, WPARAM wParam, LPARAM lParam) {
  if (code == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    InflateRect(&area, -16, -16);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, message, -1, &area, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    EndPaint(window, &paint);
    return 0;
  }
  if (code == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, code, wParam, lParam);
}

bool RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSA windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = 0;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TARN));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszMenuName = nullptr;
  windowClass.lpszClassName = CLASS_NAME;
  return RegisterClassA(&windowClass) != 0;
}

UINT RunStandin() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  ComposeMessage(DocumentArgument(GetCommandLineA()));
  if (!RegisterWindowClass(instance)) return 1;
  HWND window = CreateWindowExA(0, CLASS_NAME, CAPTION, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480, 240,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG queued;
  while (GetMessageA(&queued, nullptr, 0, 0) > 0) {
    TranslateMessage(&queued);
    DispatchMessageA(&queued);
  }
  return static_cast<UINT>(queued.wParam);
}

} // namespace

extern "C" void WinMainCRTStartup() { ExitProcess(RunStandin()); }
