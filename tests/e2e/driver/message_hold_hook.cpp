// The hooks that a MessageHold places in the program under test: when the program takes the
// message named in the request, from its queue or sent, its thread waits right there until
// the driver lets it go.
#include <windows.h>

#include "message_hold_names.h"
#include "resource_ids.h"

namespace {

bool Matches(const MSG& message, const HoldRequest& request) {
  if (message.message != request.message) return false;
  if (message.message == WM_SETTEXT)
    return GetDlgCtrlID(message.hwnd) == static_cast<int>(request.id) && message.lParam != 0 &&
           lstrcmpA(reinterpret_cast<LPCSTR>(message.lParam), request.text) == 0;
  const UINT id = message.message == WM_COMMAND ? LOWORD(message.wParam) : static_cast<UINT>(message.wParam);
  char title[sizeof request.text];
  return id == request.id && GetDlgItemTextA(message.hwnd, IDC_PAGE_TITLE, title, sizeof title) > 0 &&
         lstrcmpA(title, request.text) == 0;
}

// True when the program stood at the message and the request drops it.
bool HoldIfRequested(const MSG& message) {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, HOLD_REQUEST_NAME);
  if (mapping == nullptr) return false;
  bool dropped = false;
  auto* request = static_cast<HoldRequest*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(HoldRequest)));
  if (request != nullptr && request->armed != 0 && Matches(message, *request) &&
      InterlockedDecrement(&request->passes) < 0 && InterlockedExchange(&request->armed, 0) != 0) {
    HANDLE reached = OpenEventA(EVENT_MODIFY_STATE, FALSE, HOLD_REACHED_NAME);
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, HOLD_RELEASE_NAME);
    if (reached != nullptr && release != nullptr) {
      SetEvent(reached);
      WaitForSingleObject(release, HOLD_BOUND_MS);
    }
    dropped = request->dropped != 0;
    if (reached != nullptr) CloseHandle(reached);
    if (release != nullptr) CloseHandle(release);
  }
  if (request != nullptr) UnmapViewOfFile(request);
  CloseHandle(mapping);
  return dropped;
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK HoldHook(int code, WPARAM removed, LPARAM lParam) {
  if (code == HC_ACTION && removed == PM_REMOVE) {
    auto& message = *reinterpret_cast<MSG*>(lParam);
    if (HoldIfRequested(message)) message.message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removed, lParam);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK HoldSentHook(int code, WPARAM fromOtherThread, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    HoldIfRequested(MSG{sent.hwnd, sent.message, sent.wParam, sent.lParam, 0, {}});
  }
  return CallNextHookEx(nullptr, code, fromOtherThread, lParam);
}
