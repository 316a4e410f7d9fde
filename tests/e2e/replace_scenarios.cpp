// The replace page: shown after the destination page exactly when the chosen directory holds
// the program file, and Next only while "yes" is chosen. Drive E: is an empty 2 MiB tmpfs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "destination_steps.h"
#include "input.h"
#include "installer_session.h"
#include "resource_ids.h"
#include "wait.h"
#include "whole_file.h"
#include "wizard_steps.h"

namespace {

class Replace : public testing::Test {
protected:
  void SetUp() override {
    CreateDirectoryA("E:\\old", nullptr);
    ASSERT_TRUE(WriteWholeFile("E:\\old\\tarn.exe", ""));
    ASSERT_TRUE(setup.Started());
    ASSERT_TRUE(WalkTo(setup, DESTINATION_TITLE));
  }

  // Next from the destination page with this directory; the page that follows.
  bool LeaveDestinationFor(const std::string& directory, const std::string& title) {
    return TypeDestination(setup, directory) && WaitForPageText(setup, IDC_AVAILABLE_SIZE, "2.0 MB") &&
           ClickAndArriveAt(setup, IDC_NEXT, title);
  }

  bool Checked(int buttonId) const { return IsDlgButtonChecked(setup.Page(), buttonId) == BST_CHECKED; }

  bool WaitForNextEnabled(bool enabled) {
    return WaitUntil([&] { return setup.ButtonEnabled(IDC_NEXT) == enabled; });
  }

  // A click on the page's radio button, as the mouse gives it.
  void ClickChoice(int buttonId) {
    BringToForeground(setup.Frame());
    ClickCentreOf(GetDlgItem(setup.Page(), buttonId));
  }

  InstallerSession setup;
};

} // namespace

TEST_F(Replace, ADestinationWithoutTheProgramGoesStraightToTheSummary) {
  EXPECT_TRUE(LeaveDestinationFor("E:\\new", SUMMARY_TITLE));
}

TEST_F(Replace, ADirectoryNamedLikeTheProgramDoesNotCount) {
  CreateDirectoryA("E:\\dir", nullptr);
  CreateDirectoryA("E:\\dir\\tarn.exe", nullptr);
  ASSERT_TRUE(DirectoryExists("E:\\dir\\tarn.exe"));
  EXPECT_TRUE(LeaveDestinationFor("E:\\dir", SUMMARY_TITLE));
}

TEST_F(Replace, AnOldInstallationAsksWithYesPreselected) {
  ASSERT_TRUE(LeaveDestinationFor("E:\\old", REPLACE_TITLE));
  EXPECT_TRUE(Checked(IDC_REPLACE_YES));
  EXPECT_FALSE(Checked(IDC_REPLACE_NO));
  EXPECT_TRUE(WaitForNextEnabled(true));
  EXPECT_TRUE(setup.ButtonEnabled(IDC_BACK));
  EXPECT_EQ(setup.FocusedControl(), IDC_REPLACE_YES);
  EXPECT_TRUE(ClickAndArriveAt(setup, IDC_NEXT, SUMMARY_TITLE));
}

TEST_F(Replace, NoDisablesNextAndTheChoiceIsRemembered) {
  ASSERT_TRUE(LeaveDestinationFor("E:\\old", REPLACE_TITLE));
  ClickChoice(IDC_REPLACE_NO);
  EXPECT_TRUE(WaitForNextEnabled(false));
  EXPECT_EQ(setup.DefaultButton(), IDC_BACK);
  ClickChoice(IDC_REPLACE_YES);
  EXPECT_TRUE(WaitForNextEnabled(true));
  ClickChoice(IDC_REPLACE_NO);
  ASSERT_TRUE(WaitForNextEnabled(false));
  setup.Screenshot();
  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_BACK, DESTINATION_TITLE));
  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_NEXT, REPLACE_TITLE));
  EXPECT_TRUE(Checked(IDC_REPLACE_NO));
  EXPECT_TRUE(WaitForNextEnabled(false));
  EXPECT_EQ(setup.FocusedControl(), IDC_REPLACE_NO);
}

// Back and Next run the destination step again, for the directory typed last.
TEST_F(Replace, ThePageComesAndGoesWithTheDirectoryChosenLast) {
  ASSERT_TRUE(LeaveDestinationFor("E:\\old", REPLACE_TITLE));
  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_BACK, DESTINATION_TITLE));
  ASSERT_TRUE(LeaveDestinationFor("E:\\new", SUMMARY_TITLE));
  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_BACK, DESTINATION_TITLE));
  EXPECT_EQ(setup.PageText(IDC_DESTINATION_EDIT), "E:\\new");
  ASSERT_TRUE(LeaveDestinationFor("E:\\old", REPLACE_TITLE));
  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_NEXT, SUMMARY_TITLE));
  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_BACK, REPLACE_TITLE));
}

TEST_F(Replace, ADriveRootIsTestedToo) {
  ASSERT_TRUE(WriteWholeFile("E:\\tarn.exe", ""));
  EXPECT_TRUE(LeaveDestinationFor("E:\\", REPLACE_TITLE));
}
