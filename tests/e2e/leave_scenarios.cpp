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
