#include "copy_hooks.h"

namespace {

// One hook of each kind at a time: the window procedures and the hook have no room for a pointer.
ControlTextHook* activeTextHook;
MessageBoxAnswerer* activeAnswerer;

std::string TextOf(HWND window) {
  char text[1024];
  const int length = GetWindowTextA(window, text, sizeof text);
  return std::string(text, length > 0 ? length : 0);
}

constexpr int MESSAGE_BOX_TEXT_ID = 0xFFFF;

} // namespace

ControlTextHook::ControlTextHook(HWND control, std::string text, std::function<void()> action)
    : control(control), text(std::move(text)), action(std::move(action)) {
  activeTextHook = this;
  previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
}

ControlTextHook::~ControlTextHook() {
  if (IsWindow(control)) SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  activeTextHook = nullptr;
}

LRESULT CALLBACK ControlTextHook::Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  ControlTextHook& self = *activeTextHook;
  const LRESULT result = CallWindowProcA(self.previous, control, message, wParam, lParam);
  if (message == WM_SETTEXT && !self.fired && self.text == reinterpret_cast<const char*>(lParam)) {
    self.fired = true;
    self.action();
  }
  return result;
}

MessageBoxAnswerer::MessageBoxAnswerer(int button)
    : button(button), hook(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())) {
  activeAnswerer = this;
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  UnhookWindowsHookEx(hook);
  activeAnswerer = nullptr;
}

LRESULT CALLBACK MessageBoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam) {
  MessageBoxAnswerer& self = *activeAnswerer;
  if (code == HCBT_ACTIVATE) {
    auto box = reinterpret_cast<HWND>(wParam);
    char className[16];
    // A message box is an owned dialog with its text in control MESSAGE_BOX_TEXT_ID; the frame is neither.
    if (GetClassNameA(box, className, sizeof className) > 0 && lstrcmpA(className, "#32770") == 0 &&
        GetWindow(box, GW_OWNER) != nullptr && GetDlgItem(box, MESSAGE_BOX_TEXT_ID) != nullptr) {
      self.questions.push_back({TextOf(box), TextOf(GetDlgItem(box, MESSAGE_BOX_TEXT_ID))});
      // Answered once the box runs its own loop, as a click would be.
      PostMessageA(box, WM_COMMAND, self.button, 0);
    }
  }
  return CallNextHookEx(self.hook, code, wParam, lParam);
}
