// The registry page "REGISTRYDLG": runs the registry step once it is shown, writes the product's
// uninstall entry, then moves on.
#ifndef TARN_REGISTRATION_REGISTRY_PAGE_H
#define TARN_REGISTRATION_REGISTRY_PAGE_H

#include <windows.h>

INT_PTR CALLBACK RegistryPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
