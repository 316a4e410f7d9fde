// The copy page's progress bar: IDC_PROGRESS_BAR, painted by the page itself.
#ifndef TARN_PAYLOAD_PROGRESS_BAR_H
#define TARN_PAYLOAD_PROGRESS_BAR_H

#include <windows.h>

class PayloadCopier;

// Replaces the bar's window procedure by ProgressBarProc, keeping the previous one.
void SubclassProgressBar(HWND page);
LRESULT CALLBACK ProgressBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);
// Draws the fill at once, without waiting for WM_PAINT: the copy does not return to the loop.
void RedrawProgress(const PayloadCopier& copier);

#endif
