#include "wizard_steps.h"

#include <iterator>

#include "resource_ids.h"

bool ClickAndArriveAt(InstallerSession& setup, int buttonId, const std::string& title) {
  setup.Click(buttonId);
  return setup.WaitForPageTitle(title) && setup.Screenshot();
}

bool WalkTo(InstallerSession& setup, const std::string& title) {
  const std::string walk[] = {WELCOME_TITLE, DESTINATION_TITLE, SUMMARY_TITLE};
  if (!setup.WaitForPageTitle(WELCOME_TITLE) || !setup.Screenshot()) return false;
  for (size_t next = 1; setup.PageTitle() != title; ++next)
    if (next == std::size(walk) || !ClickAndArriveAt(setup, IDC_NEXT, walk[next])) return false;
  return true;
}

const char* NameOf(WayOut way) {
  switch (way) {
    case WayOut::ExitButton: return "ExitButton";
    case WayOut::CloseBox: return "CloseBox";
    case WayOut::AltF4: return "AltF4";
  }
  return "";
}

void PrintTo(WayOut way, std::ostream* out) { *out << NameOf(way); }

void Leave(InstallerSession& setup, WayOut way) {
  switch (way) {
    case WayOut::ExitButton: setup.Click(IDC_EXIT); break;
    case WayOut::CloseBox: setup.ClickCloseBox(); break;
    case WayOut::AltF4: setup.PressKey(VK_F4, VK_MENU); break;
  }
}
