#include "installer_session.h"

#include "held_still.h"
#include "input.h"
#include "resource_ids.h"
#include "screenshot_album.h"
#include "test_environment.h"
#include "wait.h"
#include "window_query.h"

namespace {

constexpr UINT SEND_BOUND_MS = 5000;
constexpr int FRAME_BUTTONS[] = {IDC_BACK, IDC_NEXT, IDC_EXIT};

// Where on the caption the window reports its close box, found as the system finds it.
bool FindCloseBox(HWND window, POINT& closeBox) {
  RECT rect;
  GetWindowRect(window, &rect);
  const int y = rect.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  int first = -1;
  int last = -1;
  for (int x = rect.right - 1; x > rect.left; --x) {
    DWORD_PTR hit = HTNOWHERE;
    SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, SEND_BOUND_MS, &hit);
    if (hit == HTCLOSE) {
      if (last < 0) last = x;
      first = x;
    } else if (last >= 0) {
      break;
    }
  }
  closeBox = POINT{(first + last) / 2, y};
  return last >= 0;
}

} // namespace

InstallerSession::InstallerSession() : InstallerSession(WindowsPathFromEnvironment(SETUP_EXECUTABLE_VARIABLE)) {}

InstallerSession::InstallerSession(const std::string& setupPath, const std::string& currentDirectory) {
  ParkPointer();
  if (!process.Start(setupPath, "", currentDirectory)) return;
  HWND found = nullptr;
  WaitUntil([&] {
    found = FindTopLevelDialog(process.Id(), FRAME_CAPTION);
    return found != nullptr || !process.Running();
  }, START_WAIT_BOUND_MS);
  frame = found;
}

HWND InstallerSession::Page() const { return FindVisibleChildDialog(frame); }

std::string InstallerSession::PageTitle() const { return PageText(IDC_PAGE_TITLE); }

std::string InstallerSession::PageText(int controlId) const {
  HWND page = Page();
  return page == nullptr ? std::string() : WindowText(GetDlgItem(page, controlId));
}

std::string InstallerSession::ButtonCaption(int buttonId) const { return WindowText(FrameButton(buttonId)); }

bool InstallerSession::ButtonEnabled(int buttonId) const { return IsWindowEnabled(FrameButton(buttonId)) != FALSE; }

int InstallerSession::DefaultButton() const {
  int lookingDefault = 0;
  for (int id : FRAME_BUTTONS) {
    if (!HasDefaultButtonStyle(FrameButton(id))) continue;
    if (lookingDefault != 0) return 0;
    lookingDefault = id;
  }
  return lookingDefault == DefaultButtonId(frame) ? lookingDefault : 0;
}

int InstallerSession::FocusedControl() const {
  HWND focus = FocusedWindowOfThread(frame);
  if (focus == nullptr) return 0;
  const HWND parent = GetParent(focus);
  return parent == frame || (parent != nullptr && parent == Page()) ? GetDlgCtrlID(focus) : 0;
}

void InstallerSession::ClickWindow(HWND topLevel, HWND target) {
  RECT rect;
  GetWindowRect(target, &rect);
  const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  // Another program's window (the shell's window on the new group) may come up over the
  // wizard at any moment: as a person would, the click waits until the wizard shows there.
  WaitUntil([&] { return BringToForeground(topLevel) && GetAncestor(WindowFromPoint(centre), GA_ROOT) == topLevel; });
  ClickAt(centre);
}

void InstallerSession::Click(int buttonId) { ClickWindow(frame, FrameButton(buttonId)); }

void InstallerSession::PressKey(WORD virtualKey, WORD modifier) {
  BringToForeground(frame);
  ::PressKey(virtualKey, modifier);
}

bool InstallerSession::ClickPageControl(int controlId) {
  HWND control = GetDlgItem(Page(), controlId);
  ClickWindow(frame, control);
  return WaitUntil([&] { return FocusedWindowOfThread(frame) == control; });
}

void InstallerSession::TypeInto(int pageControlId, const std::string& text) {
  ClickPageControl(pageControlId);
  ::PressKey('A', VK_CONTROL);
  ::PressKey(VK_DELETE);
  TypeText(text);
}

void InstallerSession::ClickCloseBox() {
  POINT closeBox;
  if (!BringToForeground(frame) || !CloseBoxPoint(closeBox)) return;
  ClickAt(closeBox);
}

POINT InstallerSession::ButtonPoint(int buttonId) const {
  RECT rect;
  GetWindowRect(FrameButton(buttonId), &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool InstallerSession::CloseBoxPoint(POINT& point) const { return FindCloseBox(frame, point); }

void InstallerSession::ClickWhileHeld(const std::vector<POINT>& points) {
  // Made the foreground window first: that asks the program, which cannot answer while held.
  BringToForeground(frame);
  HeldStill held(process.Id());
  for (const POINT& point : points) ClickAt(point);
}

bool InstallerSession::WaitForPageTitle(const std::string& title) {
  return WaitUntil([&] { return !process.Running() || PageTitle() == title; }) && PageTitle() == title;
}

bool InstallerSession::WaitForExit() { return process.WaitForExit(); }

HWND InstallerSession::WaitForMessageBox(const std::string& caption) const {
  return ::WaitForMessageBox(process, caption, frame);
}

bool InstallerSession::Screenshot() {
  const std::string title = PageTitle();
  return AddToAlbum(frame, title.empty() ? std::string("frame") : title);
}
