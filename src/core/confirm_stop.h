// The stop question of long work.
#ifndef TARN_CORE_CONFIRM_STOP_H
#define TARN_CORE_CONFIRM_STOP_H

#include <windows.h>

// Runs the frame's pending messages; when Abort or the close box was used meanwhile, asks the
// user. 1 when the answer is Yes, else 0.
int ConfirmStop(HWND owner);

#endif
