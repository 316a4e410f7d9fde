// The page on which the user chooses the destination directory.
#ifndef TARN_DESTINATION_DESTINATION_PAGE_H
#define TARN_DESTINATION_DESTINATION_PAGE_H

#include <windows.h>

// The edit field takes one character more than the store keeps.
constexpr int DESTINATION_EDIT_LIMIT = 260;

INT_PTR CALLBACK DestinationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
