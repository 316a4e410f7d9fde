#include "core/finish_page.h"

#include "core/install_state.h"
#include "core/navigation.h"
#include "core/reader_setup.h"
#include "resource_ids.h"

namespace {

constexpr int READER_CONTROLS[] = {IDC_READER_GROUP, IDC_READER_CHECKBOX, IDC_READER_TEXT, IDC_READER_NOTE};

void OnInitFinishPage(HWND page) {
  OFSTRUCT found;
  if (OpenFile(READER_SETUP_PATH, &found, OF_EXIST) == HFILE_ERROR)
    for (int id : READER_CONTROLS) ShowWindow(GetDlgItem(page, id), SW_HIDE);
  SetExitCaption("Finish");
}

} // namespace

INT_PTR CALLBACK FinishPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) OnInitFinishPage(page);
  // Taken from the box itself rather than toggled, so that no notification can set them apart.
  if (message == WM_COMMAND && LOWORD(wParam) == IDC_READER_CHECKBOX)
    installState.startReaderOnFinish = IsDlgButtonChecked(page, IDC_READER_CHECKBOX) == BST_CHECKED ? 1 : 0;
  return DefaultPageProc(page, message, wParam, lParam);
}
