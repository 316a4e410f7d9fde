// The pages of the destination: the one on which the user chooses the directory, and the one
// that asks whether to install over an old installation found there.
#ifndef TARN_DESTINATION_DESTINATION_PAGES_H
#define TARN_DESTINATION_DESTINATION_PAGES_H

#include <windows.h>

#include "core/file_rules.h"

// Characters the edit field takes, without the terminator: one more than a path buffer keeps,
// so the store drops the last of a path typed to the field's limit.
constexpr int DESTINATION_EDIT_LIMIT = static_cast<int>(PATH_CAPACITY);

INT_PTR CALLBACK DestinationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ReplacePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
