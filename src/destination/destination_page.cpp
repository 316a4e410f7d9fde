#include "destination/destination_pages.h"

#include "core/install_state.h"
#include "core/page_walk.h"
#include "core/unattended.h"
#include "destination/directories.h"
#include "destination/disk_space.h"
#include "resource_ids.h"

namespace {

// Shows the selected files' size against the drive's free space (not available for drive 0)
// and sets the frame's buttons: Back on, Next only when the space suffices. The required size
// is computed first, in sectors of the drive queried before.
void ShowSizes(HWND page, char driveLetter) {
  const int32_t required = RequiredSize(installState.catalogue.files, installState.sectorSize, ALL_COMPONENTS, 0);
  const int32_t freeSpace = driveLetter != 0 ? QueryFreeSpace(driveLetter) : FREE_SPACE_NOT_AVAILABLE;
  char text[SIZE_TEXT_CAPACITY];
  FormatMegabytes(text, sizeof text, static_cast<uint32_t>(required));
  SetDlgItemTextA(page, IDC_REQUIRED_SIZE, text);
  FormatAvailableSize(text, sizeof text, freeSpace);
  SetDlgItemTextA(page, IDC_AVAILABLE_SIZE, text);
  const int enough = SpaceAllowsNext(required, freeSpace);
  SetNavigationButtons(1, enough);
  if (!enough && !ShowsWindows()) Fail(FAILURE_NOT_ENOUGH_SPACE, GetDestinationDirectory());
}

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
  if (NoteTypedDrive(installState.lastTypedDrive, drive)) ShowSizes(page, drive);
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
