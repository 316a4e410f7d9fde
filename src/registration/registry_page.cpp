#include "registration/registry_page.h"

#include "core/work_page.h"
#include "registration/registry_step.h"
#include "resource_ids.h"

namespace {

PageObject<RegistrationState> openRegistration;

void OpenRegistration(HWND page) { openRegistration.Open(page); }

int RunRegistration(HWND) {
  if (!RunRegistryStep(*openRegistration.Get())) return WORK_FAILED;
  // Before the pause rather than on leaving: the page's work is whole when the pause begins,
  // and an Abort there undoes it with the files.
  if (installState.programChosen) RegisterProduct();
  return WORK_DONE;
}

void CloseRegistration() { openRegistration.Close(); }

const WorkPage REGISTRY_WORK TARN_WITH_CODE = {IDC_START_REGISTRY, OpenRegistration, RunRegistration, CloseRegistration, nullptr};

} // namespace

INT_PTR CALLBACK RegistryPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return WorkPageProc(REGISTRY_WORK, page, message, wParam, lParam);
}
