// The page walk: page creation, the three buttons, positions, the stop request.
#ifndef TARN_CORE_NAVIGATION_H
#define TARN_CORE_NAVIGATION_H

#include <windows.h>

// Verdicts of OnLeavePage
constexpr int LEAVE_GO_ON = 1;
constexpr int LEAVE_REBUILD_PAGE = 3;

HWND CreatePage(const char* templateName, DLGPROC procedure);
void SetNavigationButtons(int backEnabled, int nextEnabled);
void SetExitCaption(const char* caption);
void GoToPosition(int position);
void NextPage();
void PreviousPage();
// Runs the frame's pending messages; returns 1 when a stop was requested since the last poll.
int PollStopRequest();
INT_PTR CALLBACK DefaultPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// The cross-subsystem actions when a page is left; returns a verdict (defined in the wizard
// layer).
int OnLeavePage(int page);

#endif
