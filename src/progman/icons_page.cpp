#include "progman/progman_conversation.h"

#include <dde.h>

#include "core/install_state.h"
#include "resource_ids.h"

PageObject<ProgmanConversation> openConversation;

namespace {

void StartPage(HWND page) {
  SetExitCaption("Abort");
  const ProgmanConversation* conversation = openConversation.Open(page, installState.catalogue);
  const WPARAM command = conversation->HasWork() ? IDC_START_ICONS : IDC_ICONS_NOTHING_TO_DO;
  PostMessageA(page, WM_COMMAND, command, 0);
}

void ShowGroupsNotCreated() { ShowErrorPage(FAILURE_GROUPS_NOT_CREATED, nullptr); }

void OnCommand(HWND page, WPARAM wParam) {
  if (wParam == IDC_ICONS_NOTHING_TO_DO) {
    NextPage();
    return;
  }
  // "Please wait ..." shows while the initiation is broadcast.
  UpdateWindow(page);
  if (!openConversation.Get()->Start()) ShowGroupsNotCreated();
}

void OnData(WPARAM wParam, LPARAM lParam) {
  UINT_PTR data = 0;
  UINT_PTR item = 0;
  if (!UnpackDDElParam(WM_DDE_DATA, lParam, &data, &item)) return;
  FreeDDElParam(WM_DDE_DATA, lParam);
  if (!openConversation.Get()->OnData(reinterpret_cast<HWND>(wParam), reinterpret_cast<HGLOBAL>(data),
                                   static_cast<ATOM>(item)))
    ShowGroupsNotCreated();
}

} // namespace

INT_PTR CALLBACK IconsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      StartPage(page);
      break;
    case WM_COMMAND:
      if (openConversation.Get() == nullptr || (LOWORD(wParam) != IDC_START_ICONS && wParam != IDC_ICONS_NOTHING_TO_DO))
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
      if (openConversation.Get() == nullptr) break;
      return openConversation.Get()->OnAck(reinterpret_cast<HWND>(wParam), lParam);
    case WM_DDE_DATA:
      if (openConversation.Get() == nullptr) break;
      OnData(wParam, lParam);
      return 1;
    case WM_DESTROY:
      openConversation.Close();
      break;
  }
  return DefaultPageProc(page, message, wParam, lParam);
}
