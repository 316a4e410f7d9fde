// The copy page in a real frame: it copies once it is shown and moves on by itself, and
// Abort or the close box during the copy asks before stopping. The clicks are posted from
// inside the copy, at the moment the page names a file, so nothing races.
#include <windows.h>

#include <gtest/gtest.h>

#include "copier_fixture.h"
#include "copy_hooks.h"
#include "core/install_state.h"
#include "core/page_walk.h"
#include "destination/directories.h"
#include "payload/copy_page.h"
#include "resource_ids.h"
#include "wizard_frame.h"

namespace {

constexpr int COPY_POSITION = 5;
constexpr int REGISTRY_POSITION = 6;

const std::string ROOT = "C:\\copy-page-tests";

std::string ExitCaption() { return ControlText(installState.mainWindow, IDC_EXIT); }

class CopyPage : public testing::Test {
protected:
  CopyPage() : destination(ROOT + "\\" + CurrentTestName()), payload(destination + ".carrier.exe") {}

  void SetUp() override {
    CreateDirectoryA(ROOT.c_str(), nullptr);
    CreateDirectoryA(destination.c_str(), nullptr);
    ResetInstallState(GetModuleHandleA(nullptr));
  }

  void TearDown() override { CloseWizardFrame(); }

  // The frame as the entry function makes it, then the walk taken straight to the copy page.
  void ShowCopyPage() {
    FileEntry* rows = payload.Rows();
    ASSERT_TRUE(payload.Load());
    ASSERT_TRUE(OpenWizardFrame());
    installState.catalogue.files = rows;
    StoreDestinationDirectory(destination.c_str());
    GoToPosition(COPY_POSITION);
    ASSERT_NE(openCopier.Get(), nullptr);
    EXPECT_EQ(ExitCaption(), "Abort");
  }

  void AddThreeFiles() {
    payload.Add("first.dll", SampleContent(6000, 40), true);
    payload.Add("second.dll", SampleContent(6000, 41), true);
    payload.Add("third.dat", SampleContent(6000, 42), false);
  }

  // Posts a click of the frame's control at the moment the page names the second file.
  std::unique_ptr<ControlTextHook> ClickWhenSecondFileBegins(UINT message, WPARAM wParam) {
    return std::make_unique<ControlTextHook>(GetDlgItem(installState.currentPage, IDC_COPY_FILE), "second.dll",
                                             [=] { PostMessageA(installState.mainWindow, message, wParam, 0); });
  }

  // The registry page may already have moved on in turn.
  static bool MovedOn() { return installState.pagePosition >= REGISTRY_POSITION; }
  static bool OnErrorPage() { return installState.failure.code != 0; }
  std::string Installed(const std::string& name) const { return ReadWholeFile(destination + "\\" + name); }

  std::string destination;
  TestPayload payload;
};

TEST_F(CopyPage, CopiesEverythingThenMovesOnByItself) {
  AddThreeFiles();
  ShowCopyPage();
  ASSERT_TRUE(PumpUntil(MovedOn));
  EXPECT_EQ(Installed("first.dll"), SampleContent(6000, 40));
  EXPECT_EQ(Installed("second.dll"), SampleContent(6000, 41));
  EXPECT_EQ(Installed("third.dat"), SampleContent(6000, 42));
  EXPECT_EQ(openCopier.Get(), nullptr);
  EXPECT_EQ(installState.failure.code, 0);
}

TEST_F(CopyPage, WithNothingSelectedItMovesOnAsWell) {
  payload.Add("unwanted.dll", SampleContent(100, 43), true);
  payload.Row(0).selected = ROW_NOT_SELECTED;
  ShowCopyPage();
  ASSERT_TRUE(PumpUntil(MovedOn));
  EXPECT_EQ(Installed("unwanted.dll"), "(missing)");
}

TEST_F(CopyPage, AbortAnsweredNoLetsTheCopyFinish) {
  AddThreeFiles();
  MessageBoxAnswerer answerer(IDNO);
  ShowCopyPage();
  auto hook = ClickWhenSecondFileBegins(WM_COMMAND, IDC_EXIT);
  ASSERT_TRUE(PumpUntil(MovedOn));
  EXPECT_TRUE(hook->Fired());
  ASSERT_EQ(answerer.Questions().size(), 1u);
  EXPECT_EQ(answerer.Questions()[0].caption, "Install");
  EXPECT_EQ(answerer.Questions()[0].text, "Do you want to stop the installation?");
  EXPECT_EQ(Installed("second.dll"), SampleContent(6000, 41));
  EXPECT_EQ(Installed("third.dat"), SampleContent(6000, 42));
}

class StopQuestion : public CopyPage, public testing::WithParamInterface<int> {};

// Abort and the close box: Yes ends the copy on the error page, and what was begun is removed.
TEST_P(StopQuestion, AnsweredYesEndsOnTheAbortedPage) {
  AddThreeFiles();
  MessageBoxAnswerer answerer(IDYES);
  ShowCopyPage();
  auto hook = GetParam() == IDC_EXIT ? ClickWhenSecondFileBegins(WM_COMMAND, IDC_EXIT)
                                     : ClickWhenSecondFileBegins(WM_SYSCOMMAND, SC_CLOSE);
  ASSERT_TRUE(PumpUntil(OnErrorPage));
  ASSERT_EQ(answerer.Questions().size(), 1u);
  EXPECT_EQ(answerer.Questions()[0].text, "Do you want to stop the installation?");
  EXPECT_EQ(installState.failure.code, FAILURE_ABORTED);
  EXPECT_EQ(ControlText(installState.currentPage, IDC_ERROR_MESSAGE), "Installation aborted.");
  EXPECT_EQ(ExitCaption(), "Close");
  EXPECT_EQ(openCopier.Get(), nullptr);
  EXPECT_EQ(Installed("first.dll"), SampleContent(6000, 40));
  EXPECT_EQ(Installed("second.dl_"), "(missing)");
  EXPECT_EQ(Installed("third.dat"), "(missing)");
}

INSTANTIATE_TEST_SUITE_P(AbortOrCloseBox, StopQuestion, testing::Values(IDC_EXIT, static_cast<int>(SC_CLOSE)),
                         [](const testing::TestParamInfo<int>& info) {
                           return info.param == IDC_EXIT ? std::string("Abort") : std::string("CloseBox");
                         });

} // namespace
