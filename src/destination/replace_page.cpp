#include "destination/destination_pages.h"

#include "core/install_state.h"
#include "core/page_walk.h"
#include "resource_ids.h"

namespace {

int ChosenButton() { return installState.replaceChosen ? IDC_REPLACE_YES : IDC_REPLACE_NO; }

void OnInitPage(HWND page) {
  CheckRadioButton(page, IDC_REPLACE_YES, IDC_REPLACE_NO, ChosenButton());
  SendMessageA(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(page, ChosenButton())), TRUE);
  // Handled after the frame has set its buttons for the new page, so that the choice wins.
  PostMessageA(page, WM_COMMAND, IDC_REPLACE_REFRESH, 0);
}

void OnCommand(HWND page, WORD id) {
  if (id == IDC_REPLACE_YES || id == IDC_REPLACE_NO)
    installState.replaceChosen = IsDlgButtonChecked(page, IDC_REPLACE_YES) == BST_CHECKED;
  SetNavigationButtons(1, installState.replaceChosen);
}

} // namespace

INT_PTR CALLBACK ReplacePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    OnInitPage(page);
    return FALSE; // the focus is set
  }
  if (message == WM_COMMAND) {
    OnCommand(page, LOWORD(wParam));
    return TRUE;
  }
  return DefaultPageProc(page, message, wParam, lParam);
}
