// setup.exe as a person meets it: started, looked at, clicked and typed into, and left again.
// Every wait is for something a person would see, with a bound.
#ifndef TARN_E2E_INSTALLER_SESSION_H
#define TARN_E2E_INSTALLER_SESSION_H

#include <windows.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "message_box.h"

constexpr char FRAME_CAPTION[] = "Install";

class InstallerSession {
public:
  // Starts setup.exe (TARN_SETUP_EXE) and waits for its frame; see Started().
  InstallerSession();
  // The same with another copy of the program, by its Windows path, in its own folder or in
  // the given current directory.
  explicit InstallerSession(const std::string& setupPath, const std::string& currentDirectory = "");

  bool Started() const { return frame != nullptr; }
  HWND Frame() const { return frame; }
  DWORD ProcessId() const { return process.Id(); }
  // The page shown in the frame, or none.
  HWND Page() const;
  std::string PageTitle() const;
  std::string PageText(int controlId) const;
  std::string ButtonCaption(int buttonId) const;
  bool ButtonEnabled(int buttonId) const;
  // The frame button that both looks like the default (BS_DEFPUSHBUTTON) and is the dialog's
  // default (DM_GETDEFID), which Enter presses; 0 when no button is both or more look it.
  int DefaultButton() const;
  // The id of the frame's or the page's control with the keyboard focus; 0 when neither has it.
  int FocusedControl() const;

  void Click(int buttonId);
  void PressKey(WORD virtualKey, WORD modifier = 0);
  // Clicks the page's control; true once it has the keyboard focus.
  bool ClickPageControl(int controlId);
  // Clicks into the page's edit control, selects all of it and types the text over it.
  void TypeInto(int pageControlId, const std::string& text);
  // The close box in the caption, as the mouse would press it.
  void ClickCloseBox();

  // Where a person clicks the frame's button, and its close box (false when it has none).
  POINT ButtonPoint(int buttonId) const;
  bool CloseBoxPoint(POINT& point) const;
  // Clicks at the points, one after the other, while the program is held still: when it runs
  // on it finds them all waiting, in order, as a busy program finds quick clicks.
  void ClickWhileHeld(const std::vector<POINT>& points);

  // False after the bound, or at once when the program has ended.
  bool WaitForPageTitle(const std::string& title);
  bool WaitForExit();
  bool Running() const { return process.Running(); }
  DWORD ExitCode() const { return process.ExitCode(); }

  // A message box of the program with this caption (not the frame), or none after the bound;
  // read and answer it with MessageBoxText and AnswerMessageBox.
  HWND WaitForMessageBox(const std::string& caption) const;

  // Saves a picture of the frame, named after the page's title.
  bool Screenshot();

private:
  HWND FrameButton(int buttonId) const { return GetDlgItem(frame, buttonId); }
  void ClickWindow(HWND topLevel, HWND target);

  ChildProcess process;
  HWND frame = nullptr;
};

#endif
