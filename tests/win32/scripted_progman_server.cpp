#include "scripted_progman_server.h"

#include <dde.h>

#include <utility>

namespace {

const char CLASS_NAME[] = "TarnScriptedProgmanServer";
const char SERVICE[] = "PROGMAN";
constexpr UINT FLUSH_MESSAGE = WM_APP + 1;
constexpr WORD DATA_RESPONSE = 0x1000;
constexpr WORD DATA_RELEASE = 0x2000;
constexpr WORD DATA_ACK_REQUESTED = 0x8000;
constexpr WORD ACK_POSITIVE = 0x8000;
constexpr WORD NOT_TEXT_FORMAT = CF_BITMAP;
constexpr DWORD FLUSH_BOUND_MS = 10000;

// In upper case: atoms ignore letter case, and the table keeps the spelling of whoever added
// the name first.
std::string AtomName(ATOM atom) {
  char name[256];
  const UINT length = GlobalGetAtomNameA(atom, name, sizeof name);
  CharUpperBuffA(name, length);
  return std::string(name, length);
}

void RegisterServerClass() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = CLASS_NAME;
  RegisterClassA(&windowClass);
}

// A top-level window, as broadcasts reach only those.
HWND MakeWindow() {
  return CreateWindowA(CLASS_NAME, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

} // namespace

ScriptedProgmanServer::ScriptedProgmanServer(ServerScript script)
    : script(std::move(script)), ready(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      flushed(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
  InitializeCriticalSection(&lock);
  thread = CreateThread(nullptr, 0, Thread, this, 0, &threadId);
  if (thread != nullptr) WaitForSingleObject(ready, FLUSH_BOUND_MS);
}

ScriptedProgmanServer::~ScriptedProgmanServer() {
  if (thread != nullptr) {
    PostThreadMessageA(threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
  CloseHandle(ready);
  CloseHandle(flushed);
  DeleteCriticalSection(&lock);
}

DWORD WINAPI ScriptedProgmanServer::Thread(void* self) {
  auto* server = static_cast<ScriptedProgmanServer*>(self);
  RegisterServerClass();
  server->window = MakeWindow();
  SetWindowLongPtrA(server->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(server));
  SetWindowLongPtrA(server->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
  SetEvent(server->ready);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.hwnd == nullptr && message.message == FLUSH_MESSAGE)
      SetEvent(server->flushed);
    else
      DispatchMessageA(&message);
  }
  if (IsWindow(server->window)) DestroyWindow(server->window);
  for (HGLOBAL block : server->unacknowledged) GlobalFree(block);
  return 0;
}

LRESULT CALLBACK ScriptedProgmanServer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* server = reinterpret_cast<ScriptedProgmanServer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return server->Handle(window, message, wParam, lParam);
}

LRESULT ScriptedProgmanServer::Handle(HWND self, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND client = reinterpret_cast<HWND>(wParam);
  switch (message) {
    case WM_DDE_INITIATE:
      OnInitiate(client, lParam);
      return 0;
    case WM_DDE_REQUEST:
      OnRequest(client, lParam);
      return 0;
    case WM_DDE_EXECUTE:
      OnExecute(client, lParam);
      return 0;
    case WM_DDE_ACK:
      OnAck(lParam);
      return 0;
    case WM_DDE_TERMINATE:
      Record("TERMINATE");
      if (IsWindow(client)) PostMessageA(client, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(self), 0);
      return 0;
    default:
      return DefWindowProcA(self, message, wParam, lParam);
  }
}

void ScriptedProgmanServer::OnInitiate(HWND client, LPARAM lParam) {
  const std::string application = AtomName(LOWORD(lParam));
  const std::string topic = AtomName(HIWORD(lParam));
  Record("INITIATE " + application + " " + topic);
  if (application != SERVICE || topic != SERVICE) return;
  if (script.sendUnaskedData) PostData(client, GlobalAddAtomA(SERVICE), "TARN\r\n", CF_TEXT);
  if (!script.answerInitiation) return;
  HWND sender = window;
  if (script.answerFromDeadWindow) {
    sender = MakeWindow();
    DestroyWindow(sender);
  }
  SendMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(sender),
               MAKELPARAM(GlobalAddAtomA(SERVICE), GlobalAddAtomA(SERVICE)));
}

void ScriptedProgmanServer::OnRequest(HWND client, LPARAM lParam) {
  const ATOM item = HIWORD(lParam);
  const std::string name = AtomName(item);
  Record("REQUEST " + name);
  const bool list = name == SERVICE;
  const ServerScript::Answer answer = list ? script.listAnswer : script.itemsAnswer;
  const std::string& text = list ? script.groupList : script.groupItems;
  switch (answer) {
    case ServerScript::ANSWER:
      PostData(client, item, text, CF_TEXT);
      break;
    case ServerScript::ANSWER_TWICE:
      PostData(client, item, text, CF_TEXT);
      PostData(client, GlobalAddAtomA(name.c_str()), text, CF_TEXT);
      break;
    case ServerScript::NOT_TEXT:
      PostData(client, item, text, NOT_TEXT_FORMAT);
      break;
    case ServerScript::NEVER:
      GlobalDeleteAtom(item);
      break;
    case ServerScript::REFUSE: {
      const LPARAM packed = PackDDElParam(WM_DDE_ACK, 0, item);
      if (!PostMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(window), packed)) {
        FreeDDElParam(WM_DDE_ACK, packed);
        GlobalDeleteAtom(item);
      }
      break;
    }
    case ServerScript::ANSWER_AND_GO:
      // Gone before the answer is posted, so that nothing the client posts back can reach a
      // window that still stands: the block and the atom are the client's own.
      DestroyWindow(window);
      PostData(client, item, text, CF_TEXT);
      unacknowledged.clear();
      break;
  }
}

void ScriptedProgmanServer::PostData(HWND client, ATOM item, const std::string& text, WORD format) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, 2 * sizeof(WORD) + text.size() + 1);
  auto* words = static_cast<WORD*>(GlobalLock(block));
  words[0] = DATA_RESPONSE | DATA_RELEASE | DATA_ACK_REQUESTED;
  words[1] = format;
  CopyMemory(words + 2, text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  const LPARAM packed = PackDDElParam(WM_DDE_DATA, reinterpret_cast<UINT_PTR>(block), item);
  if (PostMessageA(client, WM_DDE_DATA, reinterpret_cast<WPARAM>(window), packed)) {
    unacknowledged.push_back(block);
    return;
  }
  FreeDDElParam(WM_DDE_DATA, packed);
  GlobalFree(block);
  GlobalDeleteAtom(item);
}

void ScriptedProgmanServer::OnExecute(HWND client, LPARAM lParam) {
  HGLOBAL commands = reinterpret_cast<HGLOBAL>(lParam);
  const char* text = static_cast<const char*>(GlobalLock(commands));
  Record(std::string("EXECUTE ") + (text != nullptr ? text : "(unreadable)"));
  GlobalUnlock(commands);
  if (script.commandsAnswer == ServerScript::NO_ACK) return;
  const WORD status = script.commandsAnswer == ServerScript::ACK_POSITIVE ? ACK_POSITIVE : 0;
  const LPARAM packed = PackDDElParam(WM_DDE_ACK, status, reinterpret_cast<UINT_PTR>(commands));
  if (!PostMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(window), packed)) FreeDDElParam(WM_DDE_ACK, packed);
}

void ScriptedProgmanServer::OnAck(LPARAM lParam) {
  UINT_PTR status = 0;
  UINT_PTR item = 0;
  UnpackDDElParam(WM_DDE_ACK, lParam, &status, &item);
  FreeDDElParam(WM_DDE_ACK, lParam);
  Record((status & ACK_POSITIVE) != 0 ? "ACK positive" : "ACK negative");
  GlobalDeleteAtom(static_cast<ATOM>(item));
  if (unacknowledged.empty()) return;
  // A negative acknowledgement leaves the block with us.
  if ((status & ACK_POSITIVE) == 0) GlobalFree(unacknowledged.front());
  unacknowledged.erase(unacknowledged.begin());
}

void ScriptedProgmanServer::Record(const std::string& line) {
  EnterCriticalSection(&lock);
  received.push_back(line);
  LeaveCriticalSection(&lock);
}

void ScriptedProgmanServer::Flush() {
  PostThreadMessageA(threadId, FLUSH_MESSAGE, 0, 0);
  WaitForSingleObject(flushed, FLUSH_BOUND_MS);
}

std::vector<std::string> ScriptedProgmanServer::Received() {
  EnterCriticalSection(&lock);
  std::vector<std::string> copy = received;
  LeaveCriticalSection(&lock);
  return copy;
}

size_t ScriptedProgmanServer::CountOf(const std::string& start) {
  size_t count = 0;
  for (const std::string& line : Received())
    if (line.compare(0, start.size(), start) == 0) ++count;
  return count;
}
