// The icons page "NEWICONDLG": the client window of the conversation with the shell, moving on
// by itself once the shell has the commands.
#ifndef TARN_PROGMAN_ICONS_PAGE_H
#define TARN_PROGMAN_ICONS_PAGE_H

#include <windows.h>

#include "core/work_page.h"
#include "progman/progman_conversation.h"

INT_PTR CALLBACK IconsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// The conversation of the open icons page.
extern PageObject<ProgmanConversation> openConversation;

#endif
