// The DDE client of the shell's "PROGMAN" service: finds the server, asks for its groups and,
// when the product's group is there, for the group's items, then sends one command string that
// makes the group and its items. The client window (the icons page) hands it every DDE message
// and owns it; the conversation sets that window's timers.
#ifndef TARN_PROGMAN_PROGMAN_CONVERSATION_H
#define TARN_PROGMAN_PROGMAN_CONVERSATION_H

#include <windows.h>

#include "core/catalogue.h"
#include "progman/progman_texts.h"

// Timers on the client window: the reply time-out, beside the move-on pause's own timer
// (core/page_walk.cpp).
constexpr UINT_PTR REPLY_TIMER = 2;
constexpr UINT REPLY_TIMEOUT_MS = 10000;

enum ProgmanState {
  PROGMAN_IDLE = 0,
  PROGMAN_INITIATING = 1,
  PROGMAN_AWAITING_GROUP_LIST = 2,
  PROGMAN_AWAITING_GROUP_ITEMS = 3,
  PROGMAN_AWAITING_COMMANDS_ACK = 4,
};

class ProgmanConversation {
public:
  // Clears the already-present flags of the catalogue's group items.
  ProgmanConversation(HWND clientWindow, Catalogue& catalogue);
  // Ends an open conversation and frees command memory that no acknowledgement returned.
  ~ProgmanConversation();
  ProgmanConversation(const ProgmanConversation&) = delete;
  ProgmanConversation& operator=(const ProgmanConversation&) = delete;

  bool HasWork() const { return catalogue.groupItems != nullptr; }
  // 1 when a server answered and was asked for its groups; 0 when none could be.
  int Start();
  // Every WM_DDE_ACK: the answers to the initiation and the acknowledgement of the commands.
  int OnAck(HWND sender, LPARAM lParam);
  // Every WM_DDE_DATA, its parameter unpacked. 1 to go on; 0 when the next step could not be
  // taken, so that no time-out will come.
  int OnData(HWND sender, HGLOBAL data, ATOM item);
  void Terminate();

  ProgmanState State() const { return state; }
  // Whether the server has answered the commands, and whether it carried them out.
  bool CommandsAnswered() const { return commandsAnswered; }
  bool CommandsAccepted() const { return commandsAccepted; }

private:
  void OnInitiationAnswer(HWND sender, LPARAM lParam);
  void OnRequestRefused(LPARAM lParam);
  void OnCommandsAcknowledged(LPARAM lParam);
  // Reads a text value of our server's answer in the state it answers.
  void ReadAnswer(const char* text, size_t length);
  struct DataHeader {
    WORD flags;
    WORD format;
  };
  void AcknowledgeData(HWND sender, HGLOBAL data, const DataHeader* header, ATOM item, bool text);
  int GoOn();

  int RequestGroupList();
  int RequestGroupItems();
  int Request(const char* itemName, ProgmanState awaiting);
  int ExecuteCommands();
  bool BuildCreation();
  // Copies the commands into shared memory and posts them; 1 when posted.
  int PostCommands();
  void ReleaseCommandMemory();

  HWND client;
  HWND server = nullptr;
  ProgmanState state = PROGMAN_IDLE;
  int groupExists = 0;
  // Set while the initiation is broadcast: every WM_DDE_ACK then answers it.
  bool initiationBroadcast = false;
  // A step inside the broadcast failed; Start reports it once the broadcast is over.
  bool failedDuringInitiation = false;
  bool commandsAnswered = false;
  bool commandsAccepted = false;
  HGLOBAL commandMemory = nullptr;
  Catalogue& catalogue;
  const char* groupName;
  char commands[COMMANDS_CAPACITY];
};

#endif
