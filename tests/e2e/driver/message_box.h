// Message boxes of another program: found by caption, read and answered as a person would.
#ifndef TARN_E2E_MESSAGE_BOX_H
#define TARN_E2E_MESSAGE_BOX_H

#include <windows.h>

#include <string>

#include "child_process.h"

// A visible message box of the program with this caption, other than `except` (a frame that
// is a dialog too); none when the program ends or the bound passes first.
HWND WaitForMessageBox(const ChildProcess& program, const std::string& caption, HWND except = nullptr,
                       unsigned boundMs = DEFAULT_WAIT_BOUND_MS);
// The message, without the caption and the buttons.
std::string MessageBoxText(HWND box);
// Clicks the button with this id (IDYES, IDNO, IDOK, ...).
void AnswerMessageBox(HWND box, int buttonId);

#endif
