#include "destination/destination_page.h"

#include "core/navigation.h"
#include "destination/directory_store.h"
#include "destination/size_display.h"
#include "destination/typed_drive.h"
#include "resource_ids.h"

namespace {

// The drive whose free space was shown last; it outlives the page.
char lastQueriedDrive;

void ReadTypedDestination(HWND page, char (&text)[PATH_CAPACITY]) {
  GetDlgItemTextA(page, IDC_DESTINATION_EDIT, text, sizeof text);
}

void OnInitPage(HWND page) {
  // Whatever the destination is, even on drive A: this page was asked for it.
  ShowSizes(page, GetDestinationDirectory()[0]);
  SendDlgItemMessageA(page, IDC_DESTINATION_EDIT, EM_LIMITTEXT, DESTINATION_EDIT_LIMIT, 0);
  SetDlgItemTextA(page, IDC_DESTINATION_EDIT, GetDestinationDirectory());
  SendMessageA(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(page, IDC_DESTINATION_EDIT)), TRUE);
}

void OnDestinationEdited(HWND page) {
  char text[PATH_CAPACITY];
  ReadTypedDestination(page, text);
  const char drive = DriveNamedByText(text);
  if (NoteTypedDrive(lastQueriedDrive, drive)) ShowSizes(page, drive);
}

void OnCommitRequest(HWND page) {
  char text[PATH_CAPACITY];
  ReadTypedDestination(page, text);
  StoreDestinationDirectory(text);
}

} // namespace

INT_PTR CALLBACK DestinationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    OnInitPage(page);
    return FALSE; // the focus is set
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDC_DESTINATION_EDIT && HIWORD(wParam) == EN_CHANGE) {
    OnDestinationEdited(page);
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDC_COMMIT_REQUEST) {
    OnCommitRequest(page);
    return TRUE;
  }
  return DefaultPageProc(page, message, wParam, lParam);
}
