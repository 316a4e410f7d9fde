// What the driver and the hold hook inside the program under test share: the names of the
// request and of the two events, and the request's layout.
#ifndef TARN_E2E_MESSAGE_HOLD_NAMES_H
#define TARN_E2E_MESSAGE_HOLD_NAMES_H

#include <windows.h>

constexpr char HOLD_REQUEST_NAME[] = "TarnMessageHoldRequest";
constexpr char HOLD_REACHED_NAME[] = "TarnMessageHoldReached";
constexpr char HOLD_RELEASE_NAME[] = "TarnMessageHoldRelease";
constexpr char HOLD_HOOK_PROCEDURE[] = "HoldHook";         // messages taken from the queue
constexpr char HOLD_SENT_HOOK_PROCEDURE[] = "HoldSentHook"; // messages sent, as a control's new text
constexpr DWORD HOLD_BOUND_MS = 60000;

struct HoldRequest {
  LONG armed;   // 1 until the program has stopped at the message once
  LONG passes;  // matching messages let through before the one it stops at
  UINT message; // WM_COMMAND (matched by its id), WM_TIMER (by its timer id) or WM_SETTEXT (by the control's id)
  UINT id;
  char text[64]; // WM_SETTEXT: the new text; else the title control of the window that receives the message
  LONG dropped;  // 1: once released, a queued message is taken as WM_NULL, never handled
};

#endif
