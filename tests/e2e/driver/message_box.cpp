#include "message_box.h"

#include "input.h"
#include "wait.h"
#include "window_query.h"

HWND WaitForMessageBox(const ChildProcess& program, const std::string& caption, HWND except, unsigned boundMs) {
  HWND box = nullptr;
  WaitUntil([&] {
    box = FindTopLevelDialog(program.Id(), caption, except);
    return box != nullptr || !program.Running();
  }, boundMs);
  return box;
}

std::string MessageBoxText(HWND box) { return WindowText(FindChildWithText(box, "Static")); }

void AnswerMessageBox(HWND box, int buttonId) {
  BringToForeground(box);
  ClickCentreOf(GetDlgItem(box, buttonId));
}
