#include "progman/progman_conversation.h"

#include <dde.h>

#include <cstring>

#include "core/platform.h"
#include "core/work_page.h"
#include "destination/directories.h"

namespace {

// The service, its topic, and the item under which the server lists its groups.
const char SERVICE[] = "PROGMAN";
const char* const GROUP_LIST_ITEM = SERVICE;
constexpr WORD ACK_POSITIVE = 0x8000;
constexpr WORD DATA_RELEASE = 0x2000;
constexpr WORD DATA_ACK_REQUESTED = 0x8000;
// The flags word and the format before the value of a data block.
constexpr SIZE_T DATA_HEADER_SIZE = 4;
// Slack after the command string in its shared block.
constexpr SIZE_T COMMAND_BLOCK_SLACK = 16;

} // namespace

ProgmanConversation::ProgmanConversation(HWND clientWindow, Catalogue& catalogue)
    : client(clientWindow), catalogue(catalogue), groupName(nullptr) {
  commands[0] = '\0';
  if (catalogue.groupItems == nullptr) return;
  for (GroupItem& row : TableRows<GroupItem>(catalogue.groupItems)) row.alreadyPresent = 0;
  groupName = EndRow(catalogue.groupItems)->caption;
}

ProgmanConversation::~ProgmanConversation() {
  Terminate();
  ReleaseCommandMemory();
}

int ProgmanConversation::Start() {
  // A longer name is not something the shell is asked about.
  if (groupName == nullptr || std::strlen(groupName) > GROUP_NAME_LIMIT) return 0;
  state = PROGMAN_INITIATING;
  const ATOM application = GlobalAddAtomA(SERVICE);
  const ATOM topic = GlobalAddAtomA(SERVICE);
  if (application != 0 && topic != 0) {
    // Servers answer with sent messages, so OnAck runs inside this call.
    initiationBroadcast = true;
    SendMessageA(HWND_BROADCAST, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(client), MAKELPARAM(application, topic));
    initiationBroadcast = false;
  }
  if (application != 0) GlobalDeleteAtom(application);
  if (topic != 0) GlobalDeleteAtom(topic);
  return state != PROGMAN_INITIATING && !failedDuringInitiation;
}

int ProgmanConversation::OnAck(HWND sender, LPARAM lParam) {
  if (initiationBroadcast) {
    OnInitiationAnswer(sender, lParam);
    return 1;
  }
  if (sender != server) return 1;
  switch (state) {
    case PROGMAN_AWAITING_GROUP_LIST:
    case PROGMAN_AWAITING_GROUP_ITEMS:
      OnRequestRefused(lParam);
      break;
    case PROGMAN_AWAITING_COMMANDS_ACK:
      OnCommandsAcknowledged(lParam);
      break;
    default:
      break;
  }
  return 1;
}

void ProgmanConversation::OnInitiationAnswer(HWND sender, LPARAM lParam) {
  // The answer's atoms are the server's own: ours to delete.
  GlobalDeleteAtom(LOWORD(lParam));
  GlobalDeleteAtom(HIWORD(lParam));
  if (state != PROGMAN_INITIATING) {
    // Only the first server is talked to; the conversation another one opened is ended.
    if (sender != server) PostMessageA(sender, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client), 0);
    return;
  }
  server = sender;
  state = PROGMAN_IDLE;
  SetForegroundWindow(server);
  if (!RequestGroupList()) failedDuringInitiation = true;
}

void ProgmanConversation::OnRequestRefused(LPARAM lParam) {
  // The refusal hands the request's item atom back. Waiting goes on until the time-out.
  UINT_PTR status = 0;
  UINT_PTR item = 0;
  if (!UnpackDDElParam(WM_DDE_ACK, lParam, &status, &item)) return;
  FreeDDElParam(WM_DDE_ACK, lParam);
  GlobalDeleteAtom(static_cast<ATOM>(item));
}

void ProgmanConversation::OnCommandsAcknowledged(LPARAM lParam) {
  // A negative acknowledgement counts as done as well: the shell has seen the commands.
  UINT_PTR status = 0;
  UINT_PTR memory = 0;
  if (UnpackDDElParam(WM_DDE_ACK, lParam, &status, &memory)) FreeDDElParam(WM_DDE_ACK, lParam);
  commandsAnswered = true;
  commandsAccepted = (status & ACK_POSITIVE) != 0;
  KillTimer(client, REPLY_TIMER);
  ReleaseCommandMemory();
  state = PROGMAN_IDLE;
  Terminate();
  EndWork(client, WORK_DONE);
  SetForegroundWindow(GetParent(client));
}

int ProgmanConversation::OnData(HWND sender, HGLOBAL data, ATOM item) {
  // Only our server's answer to the request we wait for moves the conversation on; a
  // duplicate, a late answer or a stranger's block is acknowledged and freed, nothing more.
  const bool awaited =
      sender == server && (state == PROGMAN_AWAITING_GROUP_LIST || state == PROGMAN_AWAITING_GROUP_ITEMS);
  if (awaited) KillTimer(client, REPLY_TIMER);
  const SIZE_T size = GlobalSize(data);
  const auto* header = static_cast<const DataHeader*>(GlobalLock(data));
  const bool text = header != nullptr && size >= DATA_HEADER_SIZE && header->format == CF_TEXT;
  if (awaited && text)
    ReadAnswer(reinterpret_cast<const char*>(header) + DATA_HEADER_SIZE, size - DATA_HEADER_SIZE);
  AcknowledgeData(sender, data, header, item, text);
  return awaited ? GoOn() : 1;
}

void ProgmanConversation::ReadAnswer(const char* text, size_t length) {
  if (state == PROGMAN_AWAITING_GROUP_LIST)
    groupExists = GroupListNamesGroup(text, length, groupName);
  else
    MarkPresentItems(text, length, catalogue.groupItems);
}

// Called with the block locked (header null when it could not be); unlocks it and frees it
// when that falls to the client.
void ProgmanConversation::AcknowledgeData(HWND sender, HGLOBAL data, const DataHeader* header, ATOM item, bool text) {
  const WORD flags = header != nullptr ? header->flags : 0;
  if (header != nullptr) GlobalUnlock(data);
  const bool release = (flags & DATA_RELEASE) != 0;
  if ((flags & DATA_ACK_REQUESTED) != 0) {
    const LPARAM packed = PackDDElParam(WM_DDE_ACK, text ? ACK_POSITIVE : 0, item);
    if (PostMessageA(sender, WM_DDE_ACK, reinterpret_cast<WPARAM>(client), packed)) {
      // A negative acknowledgement leaves the block to the server.
      if (release && text) GlobalFree(data);
      return;
    }
    FreeDDElParam(WM_DDE_ACK, packed);
    GlobalDeleteAtom(item);
    GlobalFree(data);
    return;
  }
  GlobalDeleteAtom(item);
  if (release) GlobalFree(data);
}

int ProgmanConversation::GoOn() {
  if (groupExists && state == PROGMAN_AWAITING_GROUP_LIST && RequestGroupItems()) return 1;
  return ExecuteCommands();
}

int ProgmanConversation::RequestGroupList() { return Request(GROUP_LIST_ITEM, PROGMAN_AWAITING_GROUP_LIST); }

int ProgmanConversation::RequestGroupItems() { return Request(groupName, PROGMAN_AWAITING_GROUP_ITEMS); }

int ProgmanConversation::Request(const char* itemName, ProgmanState awaiting) {
  const ATOM item = GlobalAddAtomA(itemName);
  if (item == 0) return 0;
  if (!PostMessageA(server, WM_DDE_REQUEST, reinterpret_cast<WPARAM>(client), MAKELPARAM(CF_TEXT, item))) {
    GlobalDeleteAtom(item);
    return 0;
  }
  state = awaiting;
  SetTimer(client, REPLY_TIMER, REPLY_TIMEOUT_MS, nullptr);
  return 1;
}

int ProgmanConversation::ExecuteCommands() {
  if (!BuildCreation() || !PostCommands()) return 0;
  state = PROGMAN_AWAITING_COMMANDS_ACK;
  SetTimer(client, REPLY_TIMER, REPLY_TIMEOUT_MS, nullptr);
  return 1;
}

bool ProgmanConversation::BuildCreation() {
  const CommandInput input{groupName,        GetDestinationDirectory(), catalogue.groupItems,
                           catalogue.groupItemDeletions, groupExists != 0, RunsOnNt6(),
                           catalogue.helpCaption, catalogue.compiledHelpFile};
  return BuildCommands(commands, sizeof commands, input);
}

int ProgmanConversation::PostCommands() {
  const SIZE_T length = std::strlen(commands);
  HGLOBAL memory = GlobalAlloc(GMEM_DDESHARE, length + COMMAND_BLOCK_SLACK);
  if (memory == nullptr) return 0;
  char* block = static_cast<char*>(GlobalLock(memory));
  if (block != nullptr) {
    CopyMemory(block, commands, length + 1);
    GlobalUnlock(memory);
  }
  if (block == nullptr ||
      !PostMessageA(server, WM_DDE_EXECUTE, reinterpret_cast<WPARAM>(client), reinterpret_cast<LPARAM>(memory))) {
    GlobalFree(memory);
    return 0;
  }
  // Freed when the acknowledgement returns it, or with the conversation when none does.
  commandMemory = memory;
  return 1;
}

void ProgmanConversation::ReleaseCommandMemory() {
  if (commandMemory != nullptr) GlobalFree(commandMemory);
  commandMemory = nullptr;
}

void ProgmanConversation::Terminate() {
  if (server == nullptr) return;
  HWND window = server;
  server = nullptr;
  if (IsWindow(window)) PostMessageA(window, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client), 0);
}
