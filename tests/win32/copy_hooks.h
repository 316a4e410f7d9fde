// Ways into a running copy without racing it: the copy writes the page's controls
// synchronously and asks its questions on this thread, so a test acts at an exact step.
#ifndef TARN_WIN32_TESTS_COPY_HOOKS_H
#define TARN_WIN32_TESTS_COPY_HOOKS_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Runs the action inside the control's WM_SETTEXT, the first time the control is given the text.
class ControlTextHook {
public:
  ControlTextHook(HWND control, std::string text, std::function<void()> action);
  ~ControlTextHook();
  ControlTextHook(const ControlTextHook&) = delete;
  ControlTextHook& operator=(const ControlTextHook&) = delete;

  bool Fired() const { return fired; }

private:
  static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

  HWND control;
  std::string text;
  std::function<void()> action;
  WNDPROC previous;
  bool fired = false;
};

// Answers every message box of this thread with the button given, and keeps what each said.
class MessageBoxAnswerer {
public:
  explicit MessageBoxAnswerer(int button);
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  struct Question {
    std::string caption;
    std::string text;
  };
  const std::vector<Question>& Questions() const { return questions; }

private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

  int button;
  HHOOK hook;
  std::vector<Question> questions;
};

#endif
