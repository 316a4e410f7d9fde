// What a person can see of another program's windows: which are there, their texts, their
// state, the default button and the keyboard focus.
#ifndef TARN_E2E_WINDOW_QUERY_H
#define TARN_E2E_WINDOW_QUERY_H

#include <windows.h>

#include <string>

std::string WindowText(HWND window);
std::string ClassNameOf(HWND window);
bool IsDialogClass(HWND window);

// A visible top-level dialog of the process with this caption, other than `except`.
HWND FindTopLevelDialog(DWORD processId, const std::string& caption, HWND except = nullptr);
// The visible dialog among the direct children of `parent` (a wizard page).
HWND FindVisibleChildDialog(HWND parent);
// The first visible child window whose class is `className` and whose text is not empty.
HWND FindChildWithText(HWND parent, const char* className);

// The id that DM_GETDEFID reports, or 0 when the dialog has no default button.
int DefaultButtonId(HWND dialog);
bool HasDefaultButtonStyle(HWND button);
// The window with the keyboard focus in the thread that owns `window`, or none.
HWND FocusedWindowOfThread(HWND window);

#endif
