#include "group_removal.h"

#include <windows.h>

#include <dde.h>

#include "core/catalogue.h"
#include "progman/progman_conversation.h"
#include "wizard/product.h"

namespace {

const char CLIENT_CLASS[] = "TarnUninstallerDde";
// The conversation of the running removal, for the client window's procedure.
ProgmanConversation* conversation = nullptr;

LRESULT CALLBACK ClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DDE_ACK && conversation != nullptr) {
    conversation->OnAck(reinterpret_cast<HWND>(wParam), lParam);
    if (conversation->CommandsAnswered()) PostQuitMessage(0);
    return 0;
  }
  if (message == WM_TIMER && wParam == REPLY_TIMER) {
    KillTimer(window, REPLY_TIMER);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateClientWindow(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = ClientProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = CLIENT_CLASS;
  if (RegisterClassA(&windowClass) == 0) return nullptr;
  HWND window = CreateWindowExA(0, CLIENT_CLASS, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) UnregisterClassA(CLIENT_CLASS, instance);
  return window;
}

GroupOutcome Converse(HWND client) {
  Catalogue catalogue = {};
  catalogue.groupItems = productGroupItems;
  ProgmanConversation dde(client, catalogue);
  conversation = &dde;
  if (dde.StartGroupDeletion()) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  }
  conversation = nullptr;
  if (!dde.CommandsAnswered()) return GroupOutcome::NO_SHELL;
  return dde.CommandsAccepted() ? GroupOutcome::REMOVED : GroupOutcome::ABSENT;
}

} // namespace

const char* ProductGroupName() {
  return EndRow(productGroupItems)->caption;
}

GroupOutcome RemoveProgramGroup() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND client = CreateClientWindow(instance);
  if (client == nullptr) return GroupOutcome::NO_SHELL;
  const GroupOutcome outcome = Converse(client);
  DestroyWindow(client);
  UnregisterClassA(CLIENT_CLASS, instance);
  return outcome;
}
