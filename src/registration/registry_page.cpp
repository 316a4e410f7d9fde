#include "core/page_walk.h"
#include "registration/registry_step.h"
#include "resource_ids.h"

namespace {

// The state of the open page.
PageObject<RegistrationState> openRegistration;

void OnInitDialog(HWND page) {
  SetExitCaption("Abort");
  openRegistration.Open(page);
  // The work starts once the page has been created and shown.
  PostMessageA(page, WM_COMMAND, IDC_START_REGISTRY, 0);
}

void OnStart(HWND page) {
  RegistrationState* registration = openRegistration.Get();
  if (registration == nullptr) return;
  UpdateWindow(page);
  if (RunRegistryStep(*registration)) {
    // Before the pause rather than on leaving: an Abort during the pause ends the program, and
    // what was installed must still be removable from the list of programs.
    if (installState.programChosen) RegisterProduct();
    StartMoveOnPause(page);
    return;
  }
  // ShowErrorPage copies the failure before it destroys this page.
  ShowErrorPage(registration->failure.code, registration->failure.Argument());
}

} // namespace

INT_PTR CALLBACK RegistryPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG:
    OnInitDialog(page);
    break;
  case WM_COMMAND:
    if (LOWORD(wParam) != IDC_START_REGISTRY) break;
    OnStart(page);
    return 1;
  case WM_TIMER:
    if (EndMoveOnPause(page, wParam)) return 1;
    break;
  case WM_DESTROY:
    openRegistration.Close();
    break;
  }
  return DefaultPageProc(page, message, wParam, lParam);
}
