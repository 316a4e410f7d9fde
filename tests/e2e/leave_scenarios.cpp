// Every way out before the copy page ends the program at once, without a question.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>

#include "installer_session.h"
#include "resource_ids.h"
#include "wizard_steps.h"

namespace {

enum class WayOut { ExitButton, CloseBox, AltF4 };

const char* NameOf(WayOut way) {
  switch (way) {
    case WayOut::ExitButton: return "ExitButton";
    case WayOut::CloseBox: return "CloseBox";
    case WayOut::AltF4: return "AltF4";
  }
  return "";
}

void Leave(InstallerSession& setup, WayOut way) {
  switch (way) {
    case WayOut::ExitButton: setup.Click(IDC_EXIT); break;
    case WayOut::CloseBox: setup.ClickCloseBox(); break;
    case WayOut::AltF4: setup.PressKey(VK_F4, VK_MENU); break;
  }
}

// The files in the default destination folder, which the destination step may have made.
int FilesInDestination() {
  char programFiles[MAX_PATH];
  if (GetEnvironmentVariableA("ProgramFiles", programFiles, sizeof programFiles) == 0) return -1;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((std::string(programFiles) + "\\TARN\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int files = 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

struct Page {
  const char* title;
  const char* name;
};

void PrintTo(WayOut way, std::ostream* out) { *out << NameOf(way); }
void PrintTo(const Page& page, std::ostream* out) { *out << page.name; }

class LeaveBeforeCopying : public testing::TestWithParam<std::tuple<WayOut, Page>> {};

} // namespace

TEST_P(LeaveBeforeCopying, EndsTheProgramAtOnce) {
  const auto [way, page] = GetParam();
  InstallerSession setup;
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkTo(setup, page.title));
  Leave(setup, way);
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(0u, setup.ExitCode());
  EXPECT_EQ(0, FilesInDestination());
}

INSTANTIATE_TEST_SUITE_P(Leave, LeaveBeforeCopying,
                         testing::Combine(testing::Values(WayOut::ExitButton, WayOut::CloseBox, WayOut::AltF4),
                                          testing::Values(Page{WELCOME_TITLE, "Welcome"},
                                                          Page{DESTINATION_TITLE, "Destination"},
                                                          Page{SUMMARY_TITLE, "Summary"})),
                         [](const auto& info) {
                           return std::string(NameOf(std::get<0>(info.param))) + "On" + std::get<1>(info.param).name;
                         });
