// The hook that a MessageHold places in the program under test: when the program takes the
// message named in the request, its thread waits right there until the driver lets it go.
#include <windows.h>

#include "message_hold_names.h"
#include "resource_ids.h"

namespace {

bool Matches(const MSG& message, const HoldRequest& request) {
  if (message.message != request.message) return false;
  const UINT id = message.message == WM_COMMAND ? LOWORD(message.wParam) : static_cast<UINT>(message.wParam);
  char title[sizeof request.pageTitle];
  return id == request.id && GetDlgItemTextA(message.hwnd, IDC_PAGE_TITLE, title, sizeof title) > 0 &&
         lstrcmpA(title, request.pageTitle) == 0;
}

void HoldIfRequested(MSG& message) {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, HOLD_REQUEST_NAME);
  if (mapping == nullptr) return;
  auto* request = static_cast<HoldRequest*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(HoldRequest)));
  if (request != nullptr && request->armed != 0 && Matches(message, *request) &&
      InterlockedExchange(&request->armed, 0) != 0) {
    HANDLE reached = OpenEventA(EVENT_MODIFY_STATE, FALSE, HOLD_REACHED_NAME);
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, HOLD_RELEASE_NAME);
    if (reached != nullptr && release != nullptr) {
      SetEvent(reached);
      WaitForSingleObject(release, HOLD_BOUND_MS);
    }
    if (request->dropped != 0) message.message = WM_NULL;
    if (reached != nullptr) CloseHandle(reached);
    if (release != nullptr) CloseHandle(release);
  }
  if (request != nullptr) UnmapViewOfFile(request);
  CloseHandle(mapping);
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK HoldHook(int code, WPARAM removed, LPARAM lParam) {
  if (code == HC_ACTION && removed == PM_REMOVE) HoldIfRequested(*reinterpret_cast<MSG*>(lParam));
  return CallNextHookEx(nullptr, code, removed, lParam);
}
