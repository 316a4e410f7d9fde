#include "destination_steps.h"

#include <windows.h>

#include "input.h"
#include "resource_ids.h"
#include "wait.h"
#include "window_query.h"
#include "wizard_steps.h"

bool WalkToTheSummaryOverAnInstallation(InstallerSession& setup) {
  return WalkTo(setup, DESTINATION_TITLE) && ClickAndArriveAt(setup, IDC_NEXT, REPLACE_TITLE) &&
         ClickAndArriveAt(setup, IDC_NEXT, SUMMARY_TITLE);
}

bool DirectoryExists(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Wine's single-line edit control takes no Ctrl+A, so the field is selected with Shift+End.
bool TypeDestination(InstallerSession& setup, const std::string& text) {
  HWND edit = GetDlgItem(setup.Page(), IDC_DESTINATION_EDIT);
  BringToForeground(setup.Frame());
  ClickCentreOf(edit);
  if (!WaitUntil([&] { return FocusedWindowOfThread(setup.Frame()) == edit; })) return false;
  PressKey(VK_HOME);
  PressKey(VK_END, VK_SHIFT);
  TypeText(text);
  return WaitForPageText(setup, IDC_DESTINATION_EDIT, text);
}

bool EditDestinationEnd(InstallerSession& setup, size_t removed, const std::string& added) {
  std::string expected = setup.PageText(IDC_DESTINATION_EDIT);
  expected = expected.substr(0, expected.size() - removed) + added;
  setup.PressKey(VK_END);
  for (size_t i = 0; i < removed; ++i) PressKey(VK_BACK);
  TypeText(added);
  return WaitForPageText(setup, IDC_DESTINATION_EDIT, expected);
}

bool ReplaceDriveLetter(InstallerSession& setup, char letter) {
  const std::string expected = letter + setup.PageText(IDC_DESTINATION_EDIT).substr(1);
  setup.PressKey(VK_HOME);
  PressKey(VK_RIGHT, VK_SHIFT);
  TypeText(std::string(1, letter));
  return WaitForPageText(setup, IDC_DESTINATION_EDIT, expected);
}

bool NextRebuildsThePage(InstallerSession& setup) {
  const HWND refused = setup.Page();
  setup.Click(IDC_NEXT);
  const bool rebuilt = WaitUntil([&] {
    const HWND page = setup.Page();
    return page != nullptr && page != refused && setup.PageTitle() == DESTINATION_TITLE;
  });
  return rebuilt && setup.Screenshot();
}

bool WaitForPageText(InstallerSession& setup, int controlId, const std::string& text) {
  return WaitUntil([&] { return setup.PageText(controlId) == text; });
}

std::string DestinationExplanation(InstallerSession& setup) {
  for (HWND child = GetWindow(setup.Page(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string text = WindowText(child);
    if (text == FIRST_DESTINATION_TEXT || text == RETRY_DESTINATION_TEXT) return text;
  }
  return "";
}

std::string PathOfLength(const std::string& base, size_t length) {
  std::string path = base;
  while (path.size() < length) {
    const size_t rest = length - path.size() - 1;
    path += "\\" + std::string(rest < 50 ? rest : 50, 'L');
  }
  return path;
}
