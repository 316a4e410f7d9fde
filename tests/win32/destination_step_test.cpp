#include "destination/directories.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "beep_counter.h"
#include "core/install_state.h"
#include "core/page_walk.h"
#include "whole_file.h"
#include "wizard/wizard.h"

namespace {

const std::string ROOT = "C:\\step-tests";

// The walk as it stands when the destination page is left: the welcome page already dropped
// the platform note. Leaving is the action of the product's page table.
class DestinationStep : public ::testing::Test {
protected:
  void SetUp() override {
    ZeroMemory(&installState.catalogue, sizeof installState.catalogue);
    FillCatalogue(installState.catalogue);
    installState.programChosen = 1;
    BuildPageSequence(installState.pageSequence, installState.catalogue.pageCount);
    ChangePageSequence(installState.pageSequence, PAGE_PLATFORM_NOTE, 0);
    CreateDirectoryA(ROOT.c_str(), nullptr);
  }
  void TearDown() override { ReleasePageSequence(installState.pageSequence); }

  static int Leave() { return installState.catalogue.pages[PAGE_DESTINATION].onLeave(); }
  static int StepWith(const std::string& destination) {
    StoreDestinationDirectory(destination.c_str());
    return Leave();
  }
  static bool ReplacePageInWalk() { return PageAtPosition(installState.pageSequence, 2) == PAGE_REPLACE; }
};

TEST_F(DestinationStep, MakesTheDirectoryAndSkipsTheReplacePageWithoutAProgram) {
  EXPECT_EQ(StepWith(ROOT + "\\new\\TARN"), LEAVE_GO_ON);
  EXPECT_TRUE(DirectoryExists((ROOT + "\\new\\TARN").c_str()));
  EXPECT_FALSE(ReplacePageInWalk());
  EXPECT_EQ(PageAtPosition(installState.pageSequence, 2), PAGE_SUMMARY);
}

TEST_F(DestinationStep, TheReplacePageComesAndGoesWithTheProgramFile) {
  const std::string old = ROOT + "\\old";
  CreateDirectoryA(old.c_str(), nullptr);
  ASSERT_TRUE(WriteWholeFile(old + "\\tarn.exe", ""));
  EXPECT_EQ(StepWith(old), LEAVE_GO_ON);
  EXPECT_TRUE(ReplacePageInWalk());
  EXPECT_EQ(StepWith(old), LEAVE_GO_ON);
  EXPECT_TRUE(ReplacePageInWalk());
  EXPECT_EQ(PageAtPosition(installState.pageSequence, 3), PAGE_SUMMARY); // still held once
  EXPECT_EQ(StepWith(ROOT + "\\elsewhere"), LEAVE_GO_ON);
  EXPECT_FALSE(ReplacePageInWalk());
}

TEST_F(DestinationStep, ADirectoryNamedLikeTheProgramIsNoOldInstallation) {
  const std::string dir = ROOT + "\\dir";
  CreateDirectoryA(dir.c_str(), nullptr);
  CreateDirectoryA((dir + "\\tarn.exe").c_str(), nullptr);
  EXPECT_EQ(StepWith(dir), LEAVE_GO_ON);
  EXPECT_FALSE(ReplacePageInWalk());
}

TEST_F(DestinationStep, ARootDestinationIsTestedWithTwoBackslashes) {
  ASSERT_TRUE(WriteWholeFile("C:\\tarn.exe", ""));
  StoreDestinationDirectory("C:\\");
  EXPECT_TRUE(OldInstallationFound());
  EXPECT_EQ(Leave(), LEAVE_GO_ON);
  EXPECT_TRUE(ReplacePageInWalk());
  DeleteFileA("C:\\tarn.exe");
}

TEST_F(DestinationStep, OnlyAChosenProgramCountsAsAnOldInstallation) {
  ASSERT_TRUE(WriteWholeFile(ROOT + "\\tarn.exe", ""));
  StoreDestinationDirectory(ROOT.c_str());
  installState.programChosen = 0;
  EXPECT_FALSE(OldInstallationFound());
  installState.programChosen = 1;
  EXPECT_TRUE(OldInstallationFound());
}

TEST_F(DestinationStep, ADirectoryThatCannotBeMadeBringsThePageBackFromItsSecondTemplate) {
  const BeepCounter beeps;
  ASSERT_TRUE(beeps.Installed());
  ASSERT_TRUE(WriteWholeFile(ROOT + "\\blocker", ""));
  ChangePageSequence(installState.pageSequence, PAGE_REPLACE, 1);
  EXPECT_EQ(StepWith(ROOT + "\\blocker\\TARN"), LEAVE_RETRY_PAGE);
  EXPECT_TRUE(ReplacePageInWalk()); // the walk is left as it was
  EXPECT_EQ(beeps.Beeps(), 1);
}

TEST_F(DestinationStep, AQuotedPathIsRefusedWithoutABeep) {
  const BeepCounter beeps;
  ASSERT_TRUE(beeps.Installed());
  EXPECT_EQ(StepWith("\"" + ROOT + "\\quoted"), LEAVE_RETRY_PAGE);
  EXPECT_EQ(beeps.Beeps(), 0);
}

// A destination that cannot take the backslash before a file name is refused even when it exists.
TEST_F(DestinationStep, LongDestinationsAreRefusedFromTheFirstWithoutRoomForABackslash) {
  std::string path = ROOT + "\\long";
  while (path.size() < 258) path += "\\" + std::string(std::min<size_t>(40, 258 - path.size() - 1), 'L');
  ASSERT_EQ(path.size(), 258u);
  EXPECT_EQ(StepWith(path), LEAVE_GO_ON);
  ASSERT_TRUE(DirectoryExists(path.c_str()));
  ASSERT_TRUE(CreateDirectoryA((path + "9").c_str(), nullptr) || DirectoryExists((path + "9").c_str()));
  const BeepCounter beeps;
  EXPECT_EQ(StepWith(path + "9"), LEAVE_RETRY_PAGE);
  EXPECT_EQ(beeps.Beeps(), 1); // the existing directory cannot be used: as if it could not be made
  EXPECT_EQ(StepWith(path + "\\"), LEAVE_GO_ON);
  EXPECT_EQ(StepWith(path + "90"), LEAVE_RETRY_PAGE); // stored as its first 259 characters
}

} // namespace
