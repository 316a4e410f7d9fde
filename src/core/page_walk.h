// The walk over the catalogue's page table: page creation, the three buttons, positions, the
// pause before a work page moves on, the stop request, and the pages that end a walk.
#ifndef TARN_CORE_PAGE_WALK_H
#define TARN_CORE_PAGE_WALK_H

#include <windows.h>

#include <cstdint>

#include "core/code_section.h"
#include "core/install_state.h"

// Verdicts of a page's leave action.
constexpr int LEAVE_STAY = 0; // the action has shown a page of its own (an error page)
constexpr int LEAVE_GO_ON = 1;
constexpr int LEAVE_RETRY_PAGE = 3; // the same page again, made from its retry template

// A row of the page table, handed down by the wizard through the catalogue.
struct PageRow {
  const char* templateName;
  const char* retryTemplate; // null when the page is never made again
  DLGPROC procedure;
  void (*onEnter)();  // before the page is made; may be null
  int (*onLeave)();   // when Next leaves it: a verdict; null goes on
  uint16_t moveOnDelayMs; // a work page's pause between its work and the automatic Next
  uint16_t setsOwnButtons; // the page enables Back and Next itself when it is made
};

// Makes the page, notes its title in the run's log and, unattended, posts the step that moves on.
HWND CreatePage(const char* templateName, DLGPROC procedure);
void SetNavigationButtons(int backEnabled, int nextEnabled);
void SetExitCaption(const char* caption);
// Shows the page at the position, from its retry template when asked; nothing without one.
void GoToPosition(int position, bool retry = false);
void NextPage();
void PreviousPage();
INT_PTR CALLBACK DefaultPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Starts the pause of the current page's row on its window: a timer of its own, killed when
// it fires.
void StartMoveOnPause(HWND page);
// For the page's WM_TIMER: 1 when it was the pause, which has then moved the wizard on.
int EndMoveOnPause(HWND page, WPARAM timer);

// Runs the frame's pending messages; returns 1 when a stop was requested since the last poll.
int PollStopRequest();
// Runs the frame's pending messages; when Abort or the close box was used meanwhile, asks the
// user whether to stop. True when the answer is Yes.
bool UserConfirmsStop(HWND owner);

// The string resource with each "%s" replaced by the argument; empty when it is missing.
void FormatStringResource(char (&text)[MESSAGE_CAPACITY], UINT id, const char* argument);
// The message of the install state's failure, as the error page shows it.
void FormatFailureMessage(char (&text)[MESSAGE_CAPACITY]);

// Replaces the current page by the error page of the run's failure; the caller's page is
// destroyed, so it must not be touched afterwards.
void ShowErrorPage();
INT_PTR CALLBACK ErrorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// The page that says this platform is not supported, with only Exit left.
void ShowPlatformErrorPage();
// Checks the platform, then walks from the first page, or shows why it cannot.
void StartPageWalk();

// Unattended, the step that a person would take on the page just made: Next while the page
// lets the walk go on. Where the wizard would wait for a person (the last page, an error page,
// a destination without room) the run ends; a work page moves on by itself.
void TakeUnattendedStep();

// Whether a work page (copy, registry, icons) stands, one that moves on by itself.
bool OnWorkPage();

#endif
