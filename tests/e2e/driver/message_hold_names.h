// What the driver and the hold hook inside the program under test share: the names of the
// request and of the two events, and the request's layout.
#ifndef TARN_E2E_MESSAGE_HOLD_NAMES_H
#define TARN_E2E_MESSAGE_HOLD_NAMES_H

#include <windows.h>

constexpr char HOLD_REQUEST_NAME[] = "TarnMessageHoldRequest";
constexpr char HOLD_REACHED_NAME[] = "TarnMessageHoldReached";
constexpr char HOLD_RELEASE_NAME[] = "TarnMessageHoldRelease";
constexpr char HOLD_HOOK_PROCEDURE[] = "HoldHook";
constexpr DWORD HOLD_BOUND_MS = 60000;

struct HoldRequest {
  LONG armed; // 1 until the program has stopped at the message once
  UINT message;    // WM_COMMAND (matched by its id) or WM_TIMER (by its timer id)
  UINT id;
  char pageTitle[64]; // the title control of the window that receives the message
  LONG dropped;       // 1: once released, the message is taken as WM_NULL, never handled
};

#endif
