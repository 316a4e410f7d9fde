// A "PROGMAN" DDE server of our own on a thread of its own: it speaks the raw DDE messages,
// answers as its script says, and records what it receives, so that a test can give the
// client the answers that the shell's own server never gives (an existing group, silence,
// refusals, duplicates) and read back exactly what the client sent.
#ifndef TARN_WIN32_TESTS_SCRIPTED_PROGMAN_SERVER_H
#define TARN_WIN32_TESTS_SCRIPTED_PROGMAN_SERVER_H

#include <windows.h>

#include <string>
#include <vector>

struct ServerScript {
  enum Answer {
    ANSWER,         // the text, with acknowledgement requested and the release bit set
    ANSWER_TWICE,   // the same answer in two blocks
    NOT_TEXT,       // the text, but in a format other than CF_TEXT
    NEVER,          // nothing at all
    REFUSE,         // a negative acknowledgement
    ANSWER_AND_GO,  // the text from a server window destroyed just before
  };
  enum CommandsAnswer { ACK_POSITIVE, ACK_NEGATIVE, NO_ACK };
  std::string groupList = "Accessories\r\n";
  std::string groupItems;
  Answer listAnswer = ANSWER;
  Answer itemsAnswer = ANSWER;
  CommandsAnswer commandsAnswer = ACK_POSITIVE;
  bool answerInitiation = true;
  // The initiation is answered in the name of a window that no longer exists.
  bool answerFromDeadWindow = false;
  // Right after answering the initiation, an unasked-for block with a group list naming TARN.
  bool sendUnaskedData = false;
};

class ScriptedProgmanServer {
public:
  explicit ScriptedProgmanServer(ServerScript script);
  // Ends the thread; blocks the server still holds are freed and its atoms deleted.
  ~ScriptedProgmanServer();
  ScriptedProgmanServer(const ScriptedProgmanServer&) = delete;
  ScriptedProgmanServer& operator=(const ScriptedProgmanServer&) = delete;

  // Waits until the server has handled everything posted to it before this call.
  void Flush();
  // What arrived, in order: "INITIATE PROGMAN PROGMAN", "REQUEST <item>", "ACK positive"
  // or "ACK negative",
  // "EXECUTE <commands>", "TERMINATE".
  std::vector<std::string> Received();
  // How many of the received lines start with the text.
  size_t CountOf(const std::string& start);

private:
  static DWORD WINAPI Thread(void* self);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnInitiate(HWND client, LPARAM lParam);
  void OnRequest(HWND client, LPARAM lParam);
  void OnExecute(HWND client, LPARAM lParam);
  void OnAck(LPARAM lParam);
  void PostData(HWND client, ATOM item, const std::string& text, WORD format);
  void Record(const std::string& line);

  ServerScript script;
  CRITICAL_SECTION lock;
  std::vector<std::string> received;
  // Data blocks posted and not yet acknowledged, oldest first.
  std::vector<HGLOBAL> unacknowledged;
  HANDLE ready;
  HANDLE flushed;
  HANDLE thread = nullptr;
  DWORD threadId = 0;
  HWND window = nullptr;
};

#endif
