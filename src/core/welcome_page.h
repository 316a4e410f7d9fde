// The first page, "INTRODLG": the welcome and the product identity.
#ifndef TARN_CORE_WELCOME_PAGE_H
#define TARN_CORE_WELCOME_PAGE_H

#include <windows.h>

INT_PTR CALLBACK WelcomePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
