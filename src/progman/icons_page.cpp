#include "progman/icons_page.h"

#include <dde.h>

#include "core/install_state.h"
#include "resource_ids.h"

PageObject<ProgmanConversation> openConversation;

namespace {

void OpenConversation(HWND page) { openConversation.Open(page, installState.catalogue); }

int StartConversation(HWND) {
  ProgmanConversation* conversation = openConversation.Get();
  if (!conversation->HasWork()) return WORK_NOTHING;
  return conversation->Start() ? WORK_GOES_ON : Fail(FAILURE_GROUPS_NOT_CREATED);
}

void CloseConversation() { openConversation.Close(); }

void GroupsNotCreated(HWND page) { EndWork(page, Fail(FAILURE_GROUPS_NOT_CREATED)); }

void OnData(HWND page, WPARAM wParam, LPARAM lParam) {
  UINT_PTR data = 0;
  UINT_PTR item = 0;
  if (!UnpackDDElParam(WM_DDE_DATA, lParam, &data, &item)) return;
  FreeDDElParam(WM_DDE_DATA, lParam);
  if (!openConversation.Get()->OnData(reinterpret_cast<HWND>(wParam), reinterpret_cast<HGLOBAL>(data),
                                      static_cast<ATOM>(item)))
    GroupsNotCreated(page);
}

// The conversation's messages, and its time-out; the error page replaces this page and ends
// the timer with it.
INT_PTR CALLBACK ConversationMessages(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (openConversation.Get() == nullptr) return 0;
  switch (message) {
    case WM_TIMER:
      if (wParam != REPLY_TIMER) break;
      GroupsNotCreated(page);
      return 1;
    case WM_DDE_ACK:
      return openConversation.Get()->OnAck(reinterpret_cast<HWND>(wParam), lParam);
    case WM_DDE_DATA:
      OnData(page, wParam, lParam);
      return 1;
  }
  return 0;
}

const WorkPage ICONS_WORK TARN_WITH_CODE = {IDC_START_ICONS, OpenConversation, StartConversation, CloseConversation,
                             ConversationMessages};

} // namespace

INT_PTR CALLBACK IconsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return WorkPageProc(ICONS_WORK, page, message, wParam, lParam);
}
