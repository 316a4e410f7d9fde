// The icons page "NEWICONDLG": the client window of the conversation with the shell that
// makes the program group, moving on by itself once the shell has the commands.
#ifndef TARN_PROGMAN_ICONS_PAGE_H
#define TARN_PROGMAN_ICONS_PAGE_H

#include <windows.h>

class ProgmanConversation;

// The conversation of the open icons page, or null.
extern ProgmanConversation* currentConversation;

INT_PTR CALLBACK IconsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
