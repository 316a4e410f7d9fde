// The last page, "READYDLG": the end of the installation and the offer to start the document
// reader's setup when it lies beside the current directory.
#ifndef TARN_CORE_FINISH_PAGE_H
#define TARN_CORE_FINISH_PAGE_H

#include <windows.h>

INT_PTR CALLBACK FinishPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
