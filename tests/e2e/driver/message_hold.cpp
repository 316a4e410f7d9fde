#include "message_hold.h"

#include "wait.h"

namespace {
const char HOOK_LIBRARY[] = "tarn_message_hold.dll";
} // namespace

MessageHold::MessageHold(HWND frame, UINT message, UINT id, const std::string& pageTitle, bool dropped) {
  HoldRequest wanted{};
  wanted.message = message;
  wanted.id = id;
  wanted.dropped = dropped ? 1 : 0;
  lstrcpynA(wanted.text, pageTitle.c_str(), sizeof wanted.text);
  Arm(frame, wanted, WH_GETMESSAGE, HOLD_HOOK_PROCEDURE);
}

MessageHold::MessageHold(HWND frame, int controlId, const std::string& text, int passes) {
  HoldRequest wanted{};
  wanted.message = WM_SETTEXT;
  wanted.id = static_cast<UINT>(controlId);
  wanted.passes = passes;
  lstrcpynA(wanted.text, text.c_str(), sizeof wanted.text);
  Arm(frame, wanted, WH_CALLWNDPROC, HOLD_SENT_HOOK_PROCEDURE);
}

void MessageHold::Arm(HWND frame, const HoldRequest& wanted, int hookKind, const char* procedureName) {
  mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(HoldRequest), HOLD_REQUEST_NAME);
  if (mapping != nullptr)
    request = static_cast<HoldRequest*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(HoldRequest)));
  reached = CreateEventA(nullptr, FALSE, FALSE, HOLD_REACHED_NAME);
  release = CreateEventA(nullptr, TRUE, FALSE, HOLD_RELEASE_NAME);
  library = LoadLibraryA(HOOK_LIBRARY);
  if (request == nullptr || reached == nullptr || release == nullptr || library == nullptr) return;
  *request = wanted;
  request->armed = 1;
  auto procedure = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, procedureName)));
  if (procedure != nullptr)
    hook = SetWindowsHookExA(hookKind, procedure, library, GetWindowThreadProcessId(frame, nullptr));
}

MessageHold::~MessageHold() {
  Release();
  if (hook != nullptr) UnhookWindowsHookEx(hook);
  if (library != nullptr) FreeLibrary(library);
  if (request != nullptr) UnmapViewOfFile(request);
  for (HANDLE handle : {mapping, reached, release})
    if (handle != nullptr) CloseHandle(handle);
}

bool MessageHold::WaitUntilHeld() {
  return Armed() && WaitForSingleObject(reached, DEFAULT_WAIT_BOUND_MS) == WAIT_OBJECT_0;
}

void MessageHold::Release() {
  if (release != nullptr) SetEvent(release);
}
