#include "registration/registry_page.h"

#include "core/error_page.h"
#include "core/move_on_pause.h"
#include "core/navigation.h"
#include "registration/registry_step.h"
#include "resource_ids.h"

namespace {

constexpr UINT MOVE_ON_DELAY_MS = 400;

// The state of the open page; its owner window is null while no page is open.
RegistrationState registration;

void OnInitDialog(HWND page) {
  SetExitCaption("Abort");
  registration = RegistrationState{page, 0, nullptr};
  // The work starts once the page has been created and shown.
  PostMessageA(page, WM_COMMAND, IDC_START_REGISTRY, 0);
}

void OnStart(HWND page) {
  UpdateWindow(page);
  if (RunRegistryStep(registration)) {
    StartMoveOnPause(page, MOVE_ON_DELAY_MS);
    return;
  }
  // ShowErrorPage destroys this page; the code and argument are taken first.
  ShowErrorPage(registration.errorCode, registration.errorArgument);
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
    registration = RegistrationState{nullptr, 0, nullptr};
    break;
  }
  return DefaultPageProc(page, message, wParam, lParam);
}
