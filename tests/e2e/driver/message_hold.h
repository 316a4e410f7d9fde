// The program under test stopped at a named moment: when it takes a given message for the
// page with a given title (a page's start command, its timer), or when a control's text is
// set to a given text, its thread waits there until the hold is released. Clicks given
// meanwhile wait in its queue, as with HeldStill, but the moment is exact: the page exists and
// the message has not been handled yet.
#ifndef TARN_E2E_MESSAGE_HOLD_H
#define TARN_E2E_MESSAGE_HOLD_H

#include <windows.h>

#include <string>

#include "message_hold_names.h"

class MessageHold {
public:
  // Armed for one stop of the thread that owns the frame; see Armed(). A dropped message is
  // never handled: a timer's then comes again at its next tick, after the clicks given while
  // it was held, as a person's click comes before a timer that has not yet run out.
  MessageHold(HWND frame, UINT message, UINT id, const std::string& pageTitle, bool dropped = false);
  // Armed for the time the control's text is set to the text after `passes` earlier times:
  // the program stands within the call that sets it.
  MessageHold(HWND frame, int controlId, const std::string& text, int passes);
  // Releases the program and removes the hook.
  ~MessageHold();
  MessageHold(const MessageHold&) = delete;
  MessageHold& operator=(const MessageHold&) = delete;

  bool Armed() const { return hook != nullptr; }
  // True once the program stands at the message; false after the bound.
  bool WaitUntilHeld();
  void Release();

private:
  void Arm(HWND frame, const HoldRequest& wanted, int hookKind, const char* procedureName);

  HANDLE mapping = nullptr;
  HoldRequest* request = nullptr;
  HANDLE reached = nullptr;
  HANDLE release = nullptr;
  HMODULE library = nullptr;
  HHOOK hook = nullptr;
};

#endif
