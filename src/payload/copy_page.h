// The copy page "COPYFILESDLG": runs the extraction engine once it is shown, then moves on.
#ifndef TARN_PAYLOAD_COPY_PAGE_H
#define TARN_PAYLOAD_COPY_PAGE_H

#include <windows.h>

class PayloadCopier;

// The copier of the open copy page, or null; the bar paints from it.
extern PayloadCopier* currentCopier;

INT_PTR CALLBACK CopyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
