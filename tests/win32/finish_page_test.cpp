// The finish page in a real frame: the reader part shown only when the reader's setup lies
// beside the current directory, the box that Finish follows, and a setup that cannot start.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/install_state.h"
#include "core/page_walk.h"
#include "import_patch.h"
#include "resource_ids.h"
#include "whole_file.h"
#include "wizard_frame.h"

namespace {

constexpr int FINISH_POSITION = 8; // the whole sequence: nothing has been left yet
const std::string MEDIUM = "C:\\medium";
const std::string CURRENT_DIRECTORY = MEDIUM + "\\disk";
const std::string READER_SETUP = MEDIUM + "\\acrobat\\rs405eng.exe";
const int READER_CONTROLS[] = {IDC_READER_GROUP, IDC_READER_CHECKBOX, IDC_READER_TEXT, IDC_READER_NOTE};

const std::string LAUNCH_FAILURE =
    "Could not start the Acrobat Reader plug-in installation program '..\\acrobat\\rs405eng.exe'.\n"
    "The file may be damaged or missing.\nCheck your installation disk and, if possible, start the program.\n\n"
    "You can also try to download a new copy from https://get.adobe.com/reader/";

struct Recorded {
  int winExecCalls = 0;
  std::string command;
  UINT show = 0;
  UINT winExecResult = 0; // 0: the real WinExec runs
  int messageBoxes = 0;
  HWND owner = nullptr;
  std::string text;
  std::string caption;
  UINT style = 0;
};
Recorded recorded;

using WinExecFunction = UINT(WINAPI*)(LPCSTR, UINT);
ImportPatch* winExecPatch = nullptr;

UINT WINAPI RecordingWinExec(LPCSTR command, UINT show) {
  ++recorded.winExecCalls;
  recorded.command = command;
  recorded.show = show;
  if (recorded.winExecResult != 0) return recorded.winExecResult;
  return reinterpret_cast<WinExecFunction>(winExecPatch->Original())(command, show);
}

int WINAPI RecordingMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  ++recorded.messageBoxes;
  recorded.owner = owner;
  recorded.text = text;
  recorded.caption = caption;
  recorded.style = style;
  return IDOK;
}

std::string TextOf(HWND window) {
  char text[1024];
  const int length = GetWindowTextA(window, text, sizeof text);
  return std::string(text, length > 0 ? length : 0);
}

HWND FrameButton(int id) { return GetDlgItem(installState.mainWindow, id); }

bool QuitPosted() {
  MSG message;
  return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

// A frame as the entry function makes it, moved on to the finish page, with the current
// directory beside the medium's "acrobat" folder.
class FinishPageTest : public testing::Test {
protected:
  void SetUp() override {
    recorded = Recorded{};
    CreateDirectoryA(MEDIUM.c_str(), nullptr);
    CreateDirectoryA(CURRENT_DIRECTORY.c_str(), nullptr);
    CreateDirectoryA((MEDIUM + "\\acrobat").c_str(), nullptr);
    DeleteFileA(READER_SETUP.c_str());
    ASSERT_TRUE(SetCurrentDirectoryA(CURRENT_DIRECTORY.c_str()));
    ASSERT_TRUE(winExec.Applied());
    ASSERT_TRUE(messageBox.Applied());
    winExecPatch = &winExec;
  }

  void TearDown() override {
    CloseWizardFrame();
    DeleteFileA(READER_SETUP.c_str());
    winExecPatch = nullptr;
  }

  void OpenFinishPage() {
    ASSERT_TRUE(OpenWizardFrame());
    GoToPosition(FINISH_POSITION);
    ASSERT_NE(nullptr, installState.currentPage);
    ASSERT_EQ("Installation complete", TextOf(GetDlgItem(installState.currentPage, IDC_PAGE_TITLE)));
  }

  static HWND Box() { return GetDlgItem(installState.currentPage, IDC_READER_CHECKBOX); }
  static void ClickBox() { SendMessageA(Box(), BM_CLICK, 0, 0); }
  static void PressFinish() { SendMessageA(installState.mainWindow, WM_COMMAND, IDC_EXIT, 0); }

  ImportPatch winExec{"kernel32.dll", "WinExec", reinterpret_cast<void*>(RecordingWinExec)};
  ImportPatch messageBox{"user32.dll", "MessageBoxA", reinterpret_cast<void*>(RecordingMessageBox)};
};

} // namespace

TEST_F(FinishPageTest, WithoutTheReaderSetupItsPartIsHiddenAndFinishEnds) {
  OpenFinishPage();
  for (int id : READER_CONTROLS) EXPECT_FALSE(IsWindowVisible(GetDlgItem(installState.currentPage, id))) << id;
  EXPECT_EQ("Finish", TextOf(FrameButton(IDC_EXIT)));
  EXPECT_FALSE(IsWindowEnabled(FrameButton(IDC_BACK)));
  EXPECT_FALSE(IsWindowEnabled(FrameButton(IDC_NEXT)));
  EXPECT_EQ(FrameButton(IDC_EXIT), GetFocus());
  PressFinish();
  EXPECT_EQ(1, installState.stopRequested);
  EXPECT_EQ(0, recorded.winExecCalls);
}

TEST_F(FinishPageTest, TheBoxShowsUntickedAndFinishFollowsIt) {
  ASSERT_TRUE(WriteWholeFile(READER_SETUP, "MZ"));
  OpenFinishPage();
  for (int id : READER_CONTROLS) EXPECT_TRUE(IsWindowVisible(GetDlgItem(installState.currentPage, id))) << id;
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(Box(), BM_GETCHECK, 0, 0));
  ClickBox();
  EXPECT_NE(nullptr, installState.exitAction) << "Finish starts the reader's setup";
  ClickBox();
  EXPECT_EQ(nullptr, installState.exitAction);
  PressFinish();
  EXPECT_EQ(1, installState.stopRequested);
  EXPECT_EQ(0, recorded.winExecCalls);
}

TEST_F(FinishPageTest, TickedFinishStartsTheReaderSetupAndEnds) {
  ASSERT_TRUE(WriteWholeFile(READER_SETUP, "MZ"));
  OpenFinishPage();
  ClickBox();
  recorded.winExecResult = 33; // started
  PressFinish();
  EXPECT_EQ(1, recorded.winExecCalls);
  EXPECT_EQ("..\\acrobat\\rs405eng.exe", recorded.command);
  EXPECT_EQ(static_cast<UINT>(SW_SHOW), recorded.show);
  EXPECT_EQ(0, recorded.messageBoxes);
  EXPECT_TRUE(QuitPosted());
  EXPECT_TRUE(IsWindow(installState.mainWindow)) << "the loop ends without destroying the frame";
  EXPECT_EQ(0, installState.stopRequested);
}

TEST_F(FinishPageTest, TickedCloseBoxStartsNothing) {
  ASSERT_TRUE(WriteWholeFile(READER_SETUP, "MZ"));
  OpenFinishPage();
  ClickBox();
  SendMessageA(installState.mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(1, installState.stopRequested);
  EXPECT_EQ(0, recorded.winExecCalls);
}

// A file that is no program: the message names the path in full and the program still ends.
TEST_F(FinishPageTest, ASetupThatCannotStartIsReportedAndTheProgramEnds) {
  ASSERT_TRUE(WriteWholeFile(READER_SETUP, "This is not a program.\r\n"));
  OpenFinishPage();
  ClickBox();
  PressFinish();
  EXPECT_EQ(1, recorded.winExecCalls);
  ASSERT_EQ(1, recorded.messageBoxes);
  EXPECT_EQ(nullptr, recorded.owner);
  EXPECT_EQ(LAUNCH_FAILURE, recorded.text);
  EXPECT_EQ("Error", recorded.caption);
  EXPECT_EQ(static_cast<UINT>(MB_OK | MB_TASKMODAL), recorded.style);
  EXPECT_TRUE(QuitPosted());
}
