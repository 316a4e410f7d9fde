#include "core/error_page.h"

#include "core/bounded_format.h"
#include "core/install_state.h"
#include "core/navigation.h"
#include "resource_ids.h"

namespace {
constexpr int FORMAT_CAPACITY = 256;
// Room for the longest format and the longest argument: nothing is ever cut here.
constexpr int MESSAGE_CAPACITY = FORMAT_CAPACITY + ERROR_ARGUMENT_CAPACITY;
} // namespace

void ShowErrorPage(int code, const char* argument) {
  installState.errorCode = code;
  // Copied first: the argument may belong to the page that is destroyed next.
  if (argument != nullptr) {
    CopyBounded(installState.errorArgumentText, sizeof installState.errorArgumentText, argument);
    installState.errorArgument = installState.errorArgumentText;
  } else {
    installState.errorArgument = nullptr;
  }
  if (installState.currentPage != nullptr) DestroyWindow(installState.currentPage);
  installState.currentPage = nullptr;
  CreatePage("ERRORDLG", ErrorPageProc);
  SetExitCaption("Close");
  SetNavigationButtons(0, 0);
  SetFocus(GetDlgItem(installState.mainWindow, IDC_EXIT));
}

INT_PTR CALLBACK ErrorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    char format[FORMAT_CAPACITY];
    if (LoadStringA(installState.instance, IDS_ERROR_BASE + installState.errorCode, format, sizeof format) <= 0) format[0] = '\0';
    char text[MESSAGE_CAPACITY];
    FormatWithArgument(text, sizeof text, format, installState.errorArgument);
    SetDlgItemTextA(page, IDC_ERROR_MESSAGE, text);
  }
  return DefaultPageProc(page, message, wParam, lParam);
}
