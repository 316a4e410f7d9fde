// The wizard frame "MAINDLG": the one top-level window, its message loop, its buttons and the
// controls it paints itself.
#ifndef TARN_CORE_FRAME_H
#define TARN_CORE_FRAME_H

#include <windows.h>

// What the frame runs once it is made: the wizard's start, handed down from above.
using WizardStart = void (*)();

// Creates the frame on the reset install state and shows it, unless the run is unattended.
HWND OpenFrame(WizardStart start);
// Opens the frame, runs the message loop and releases what the frame held. A frame that cannot
// be made is recorded as a failure.
void RunFrame(WizardStart start);
// The frame's procedure; the dialog's creation parameter is the WizardStart.
INT_PTR CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

// A sunken frame around the client area: the shadow colour outside, black inside, the far
// sides in farSides.
void PaintSunkenFrame(HDC dc, const RECT& client, COLORREF farSides);

#endif
