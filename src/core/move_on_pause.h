// The pause of a work page between the end of its work and the automatic Next: a timer of
// its own on the page's window, killed when it fires.
#ifndef TARN_CORE_MOVE_ON_PAUSE_H
#define TARN_CORE_MOVE_ON_PAUSE_H

#include <windows.h>

void StartMoveOnPause(HWND page, UINT delayMs);
// For the page's WM_TIMER: 1 when it was the pause, which has then moved the wizard on.
int EndMoveOnPause(HWND page, WPARAM timer);

#endif
