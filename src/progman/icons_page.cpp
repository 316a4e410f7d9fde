#include "progman/icons_page.h"

#include <dde.h>

#include <new>

#include "core/error_page.h"
#include "core/install_state.h"
#include "core/move_on_pause.h"
#include "core/navigation.h"
#include "progman/progman_conversation.h"
#include "resource_ids.h"

ProgmanConversation* currentConversation;

namespace {

// One page at a time, so one conversation: no allocation that could fail.
alignas(ProgmanConversation) unsigned char conversationStorage[sizeof(ProgmanConversation)];

void StartPage(HWND page) {
  SetExitCaption("Abort");
  currentConversation = new (conversationStorage) ProgmanConversation(page, installState.catalogue);
  const WPARAM command = currentConversation->HasWork() ? IDC_START_ICONS : IDC_ICONS_NOTHING_TO_DO;
  PostMessageA(page, WM_COMMAND, command, 0);
}

void ShowGroupsNotCreated() { ShowErrorPage(ERROR_GROUPS_NOT_CREATED, nullptr); }

void OnCommand(HWND page, WPARAM wParam) {
  if (wParam == IDC_ICONS_NOTHING_TO_DO) {
    NextPage();
    return;
  }
  // "Please wait ..." shows while the initiation is broadcast.
  UpdateWindow(page);
  if (!currentConversation->Start()) ShowGroupsNotCreated();
}

void OnData(WPARAM wParam, LPARAM lParam) {
  UINT_PTR data = 0;
  UINT_PTR item = 0;
  if (!UnpackDDElParam(WM_DDE_DATA, lParam, &data, &item)) return;
  FreeDDElParam(WM_DDE_DATA, lParam);
  if (!currentConversation->OnData(reinterpret_cast<HWND>(wParam), reinterpret_cast<HGLOBAL>(data),
                                   static_cast<ATOM>(item)))
    ShowGroupsNotCreated();
}

void EndPage() {
  if (currentConversation == nullptr) return;
  currentConversation->~ProgmanConversation();
  currentConversation = nullptr;
}

} // namespace

INT_PTR CALLBACK IconsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      StartPage(page);
      break;
    case WM_COMMAND:
      if (currentConversation == nullptr || (LOWORD(wParam) != IDC_START_ICONS && wParam != IDC_ICONS_NOTHING_TO_DO))
        break;
      OnCommand(page, wParam);
      return 1;
    case WM_TIMER:
      if (EndMoveOnPause(page, wParam)) return 1;
      if (wParam != REPLY_TIMER) break;
      // The error page replaces this page; the timer ends with it.
      ShowGroupsNotCreated();
      return 1;
    case WM_DDE_ACK:
      if (currentConversation == nullptr) break;
      return currentConversation->OnAck(reinterpret_cast<HWND>(wParam), lParam);
    case WM_DDE_DATA:
      if (currentConversation == nullptr) break;
      OnData(wParam, lParam);
      return 1;
    case WM_DESTROY:
      EndPage();
      break;
  }
  return DefaultPageProc(page, message, wParam, lParam);
}
