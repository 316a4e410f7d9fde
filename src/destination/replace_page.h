// The page that asks whether to install over an old installation.
#ifndef TARN_DESTINATION_REPLACE_PAGE_H
#define TARN_DESTINATION_REPLACE_PAGE_H

#include <windows.h>

INT_PTR CALLBACK ReplacePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
