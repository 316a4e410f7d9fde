// The wizard frame "MAINDLG": the one top-level window, its message loop and its buttons.
#ifndef TARN_CORE_FRAME_H
#define TARN_CORE_FRAME_H

#include <windows.h>

// The entry function: creates the frame, runs the message loop, returns the exit code.
int RunInstaller(HINSTANCE instance);
INT_PTR CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

#endif
