#include "window_query.h"

namespace {

constexpr UINT SEND_BOUND_MS = 5000;
constexpr int TEXT_CAPACITY = 8192;

struct TopLevelSearch {
  DWORD processId;
  const std::string* caption;
  HWND except;
  HWND found;
};

BOOL CALLBACK MatchTopLevelDialog(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<TopLevelSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || window == search->except || !IsWindowVisible(window) ||
      !IsDialogClass(window) || WindowText(window) != *search->caption)
    return TRUE;
  search->found = window;
  return FALSE;
}

struct ChildSearch {
  HWND parent;
  const char* className;
  HWND found;
};

BOOL CALLBACK MatchVisibleChildDialog(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<ChildSearch*>(parameter);
  if (GetParent(window) != search->parent || !IsWindowVisible(window) || !IsDialogClass(window)) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK MatchChildWithText(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<ChildSearch*>(parameter);
  if (!IsWindowVisible(window) || lstrcmpiA(ClassNameOf(window).c_str(), search->className) != 0 ||
      WindowText(window).empty())
    return TRUE;
  search->found = window;
  return FALSE;
}

} // namespace

// WM_GETTEXT rather than GetWindowTextA: for another process's window the latter returns the
// stored caption, not what an edit control holds.
std::string WindowText(HWND window) {
  char text[TEXT_CAPACITY];
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                           SEND_BOUND_MS, &copied))
    return std::string();
  return std::string(text, copied);
}

std::string ClassNameOf(HWND window) {
  char name[256];
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

bool IsDialogClass(HWND window) { return ClassNameOf(window) == "#32770"; }

HWND FindTopLevelDialog(DWORD processId, const std::string& caption, HWND except) {
  TopLevelSearch search{processId, &caption, except, nullptr};
  EnumWindows(MatchTopLevelDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindVisibleChildDialog(HWND parent) {
  ChildSearch search{parent, nullptr, nullptr};
  EnumChildWindows(parent, MatchVisibleChildDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindChildWithText(HWND parent, const char* className) {
  ChildSearch search{parent, className, nullptr};
  EnumChildWindows(parent, MatchChildWithText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int DefaultButtonId(HWND dialog) {
  DWORD_PTR reply = 0;
  if (!SendMessageTimeoutA(dialog, DM_GETDEFID, 0, 0, SMTO_NORMAL, SEND_BOUND_MS, &reply)) return 0;
  return HIWORD(reply) == DC_HASDEFID ? LOWORD(reply) : 0;
}

bool HasDefaultButtonStyle(HWND button) {
  return (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

HWND FocusedWindowOfThread(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}
