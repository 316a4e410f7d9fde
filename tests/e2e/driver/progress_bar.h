// A progress bar of another program, as the screen shows it.
#ifndef TARN_E2E_PROGRESS_BAR_H
#define TARN_E2E_PROGRESS_BAR_H

#include <windows.h>

// True when the fill colour reaches the bar's last column, which it does only when every
// byte is done. Reads the screen only, so it may be asked of a program held still.
bool BarIsFull(HWND bar);

#endif
