// The page on which the user chooses the destination directory.
#ifndef TARN_DESTINATION_DESTINATION_PAGE_H
#define TARN_DESTINATION_DESTINATION_PAGE_H

#include <windows.h>

#include "core/path_rules.h"

// Characters the edit field takes, without the terminator: one more than a path buffer keeps,
// so the store drops the last of a path typed to the field's limit.
constexpr int DESTINATION_EDIT_LIMIT = static_cast<int>(PATH_CAPACITY);

INT_PTR CALLBACK DestinationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
