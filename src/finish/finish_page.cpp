#include "finish/finish.h"

#include "core/bounded_text.h"
#include "core/install_state.h"
#include "core/page_walk.h"
#include "resource_ids.h"

namespace {

constexpr int READER_CONTROLS[] = {IDC_READER_GROUP, IDC_READER_CHECKBOX, IDC_READER_TEXT, IDC_READER_NOTE};

bool ReaderSetupIsThere() {
  const char* path = installState.catalogue.readerSetupPath;
  OFSTRUCT found;
  return !IsEmptyText(path) && OpenFile(path, &found, OF_EXIST) != HFILE_ERROR;
}

void OnInitFinishPage(HWND page) {
  if (!ReaderSetupIsThere())
    for (int id : READER_CONTROLS) ShowWindow(GetDlgItem(page, id), SW_HIDE);
  SetExitCaption("Finish");
}

} // namespace

INT_PTR CALLBACK FinishPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) OnInitFinishPage(page);
  // Taken from the box itself rather than toggled, so that no notification can set them apart.
  if (message == WM_COMMAND && LOWORD(wParam) == IDC_READER_CHECKBOX) {
    const bool ticked = IsDlgButtonChecked(page, IDC_READER_CHECKBOX) == BST_CHECKED;
    installState.exitAction = ticked ? LaunchReaderSetup : nullptr;
  }
  return DefaultPageProc(page, message, wParam, lParam);
}

void LaunchReaderSetup() {
  const char* path = installState.catalogue.readerSetupPath;
  if (WinExec(path, SW_SHOW) < 32) {
    char message[MESSAGE_CAPACITY];
    FormatStringResource(message, IDS_READER_LAUNCH_FAILED, path);
    MessageBoxA(nullptr, message, "Error", MB_OK | MB_TASKMODAL);
  }
  // The loop ends without the frame being destroyed first.
  PostQuitMessage(0);
}
