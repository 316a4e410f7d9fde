// The registry page "REGISTRYDLG": updates the registry once it is shown, then moves on.
#ifndef TARN_REGISTRATION_REGISTRY_PAGE_H
#define TARN_REGISTRATION_REGISTRY_PAGE_H

#include <windows.h>

INT_PTR CALLBACK RegistryPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
