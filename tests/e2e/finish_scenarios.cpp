// Whole installations from the welcome page to Finish: the desktop file byte for byte, the
// obsolete files, the pending restart operations seeded before the run, and the reader's
// setup beside the current directory, started only by a ticked box and Finish.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "copy_steps.h"
#include "expected_desktop_file.h"
#include "finish_steps.h"
#include "input.h"
#include "installer_session.h"
#include "message_box.h"
#include "progman_host.h"
#include "resource_ids.h"
#include "screenshot_album.h"
#include "wait.h"
#include "whole_file.h"
#include "wizard_steps.h"

namespace {

const std::string OTHER_FILE = "C:\\finish-other.txt";
const std::string LAUNCH_FAILURE =
    "Could not start the Acrobat Reader plug-in installation program '..\\acrobat\\rs405eng.exe'.\n"
    "The file may be damaged or missing.\nCheck your installation disk and, if possible, start the program.\n\n"
    "You can also try to download a new copy from https://get.adobe.com/reader/";

std::string Pending(const std::string& path) { return "\\??\\" + path; }

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

bool ReaderSetupRan() { return GetFileAttributesA(READER_SETUP_RAN) != INVALID_FILE_ATTRIBUTES; }

bool BoxTicked(const InstallerSession& setup) {
  return SendMessageA(GetDlgItem(setup.Page(), IDC_READER_CHECKBOX), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A click on the reader's box; true once the box shows the state. The focus comes with the
// button going down, the tick only with it coming up, so the tick is what is waited for.
bool ClickTheBox(InstallerSession& setup, bool ticked) {
  return setup.ClickPageControl(IDC_READER_CHECKBOX) && WaitUntil([&] { return BoxTicked(setup) == ticked; });
}

// What every finish page shows, and Finish as the only way on.
void ExpectFinishPage(const InstallerSession& setup, bool readerPartShown) {
  EXPECT_EQ(setup.ButtonCaption(IDC_EXIT), "Finish");
  EXPECT_FALSE(setup.ButtonEnabled(IDC_BACK));
  EXPECT_FALSE(setup.ButtonEnabled(IDC_NEXT));
  // Once the shell's window on the group is closed, the wizard may not be the active window;
  // with the wizard in front again, Finish has the focus.
  EXPECT_TRUE(WaitUntil([&] { return BringToForeground(setup.Frame()) && setup.FocusedControl() == IDC_EXIT; }))
      << "focus on " << setup.FocusedControl();
  for (int id : {IDC_READER_GROUP, IDC_READER_CHECKBOX, IDC_READER_TEXT, IDC_READER_NOTE})
    EXPECT_EQ(IsWindowVisible(GetDlgItem(setup.Page(), id)) != FALSE, readerPartShown) << id;
}

} // namespace

// TARNWIN_LIB with backslashes; obsolete files and comproxy.dll in the folder before the run,
// and operations on them, on the folder and on another file in the list.
TEST(Finish, AnInstallationWithTheLibraryVariableEndsByStartingTheReaderSetup) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(SetEnvironmentVariableA("TARNWIN_LIB", "E:\\TARN\\Libraries\\"));
  std::vector<std::string> seeded = EARLIER_VERSION_FILES;
  seeded.push_back("comproxy.dll");
  ASSERT_TRUE(PrepareInstallFolder(seeded));
  ASSERT_TRUE(WriteWholeFile(OTHER_FILE, "other"));
  ASSERT_TRUE(SeedPendingList({Pending(OTHER_FILE), Pending("C:\\finish-other.new"),  //
                               Pending(Installed("uninstal.exe")), "",                //
                               Pending(LowerCaseShortPath(INSTALL_FOLDER)), "",       //
                               Pending(Installed("comproxy.dll")), "",                //
                               Pending("C:\\finish-later.txt"), ""}));
  ASSERT_TRUE(PlaceReaderSetup());

  InstallerSession setup(SetupPath(), MEDIUM_DISK);
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkToFinish(setup));
  ExpectFinishPage(setup, true);
  ASSERT_TRUE(ClickTheBox(setup, true));
  setup.Click(IDC_EXIT);
  if (!setup.WaitForExit()) {
    // Seen once under load: what kept it running goes on record, with a picture.
    const HWND box = setup.WaitForMessageBox("Error");
    setup.Screenshot();
    FAIL() << "the Installer did not end after Finish; "
           << (box != nullptr ? "it shows: " + MessageBoxText(box) : std::string("no message box"))
           << (ReaderSetupRan() ? "; the reader's setup ran" : "; the reader's setup did not run");
  }
  EXPECT_EQ(setup.ExitCode(), 0u);
  EXPECT_TRUE(WaitUntil(ReaderSetupRan));
  EXPECT_EQ(ReadWholeFile(READER_SETUP_RAN), MEDIUM_DISK) << "started in the Installer's current directory";

  EXPECT_EQ(ReadWholeFile(DESKTOP_FILE), ExpectedDesktopFile("E:\\TARN\\Libraries\\", Environment("TEMP").c_str()));
  for (const std::string& name : EARLIER_VERSION_FILES) EXPECT_FALSE(ExistsInInstallFolder(name)) << name;
  EXPECT_TRUE(ExistsInInstallFolder("comproxy.dll"));
  EXPECT_EQ(PendingList(), PendingStrings({Pending(OTHER_FILE), Pending("C:\\finish-other.new"),
                                           Pending("C:\\finish-later.txt"), ""}));
}

// Without TARNWIN_LIB, without the obsolete files, comproxy.dll or the reader's setup.
TEST(Finish, AnInstallationWithoutTheLibraryVariableOrTheReaderSetupEndsAtFinish) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(SetEnvironmentVariableA("TARNWIN_LIB", nullptr));
  ASSERT_TRUE(PrepareInstallFolder({}));
  ASSERT_TRUE(SeedPendingList({Pending(Installed("uninstal.exe")), "", Pending(Installed("comproxy.dll")), ""}));
  CreateDirectoryA("C:\\medium", nullptr);
  CreateDirectoryA(MEDIUM_DISK, nullptr);

  InstallerSession setup(SetupPath(), MEDIUM_DISK);
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkToFinish(setup));
  ExpectFinishPage(setup, false);
  setup.Click(IDC_EXIT);
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(setup.ExitCode(), 0u);

  EXPECT_EQ(ReadWholeFile(DESKTOP_FILE), ExpectedDesktopFile(nullptr, Environment("TEMP").c_str()));
  EXPECT_EQ(PendingList(), PendingStrings({Pending(Installed("comproxy.dll")), ""}));
}

// An earlier TARN.DSK stays as it was; a reader's setup that is no program is reported with
// the path it was started by, and the program ends once the message is closed.
TEST(Finish, AReaderSetupThatCannotStartIsReportedAndAnEarlierDesktopFileStays) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(PrepareInstallFolder({}));
  const std::string earlier = "DSK\x07TARN32A... an earlier desktop";
  ASSERT_TRUE(WriteWholeFile(DESKTOP_FILE, earlier));
  ASSERT_TRUE(PlaceReaderSetup("This is not a program.\r\n"));

  InstallerSession setup(SetupPath(), MEDIUM_DISK);
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkToFinish(setup));
  ExpectFinishPage(setup, true);
  ASSERT_TRUE(ClickTheBox(setup, true));
  setup.Click(IDC_EXIT);
  HWND box = setup.WaitForMessageBox("Error");
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(AddToAlbum(box, "Error"));
  EXPECT_EQ(MessageBoxText(box), LAUNCH_FAILURE);
  AnswerMessageBox(box, IDOK);
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(setup.ExitCode(), 0u);
  EXPECT_EQ(ReadWholeFile(DESKTOP_FILE), earlier);
  EXPECT_EQ(PendingList(), NO_PENDING_LIST);
}

// Finish with the box ticked and unticked again, or the close box or Alt+F4 with it ticked.
class FinishWithoutTheReader : public testing::TestWithParam<WayOut> {};

TEST_P(FinishWithoutTheReader, TheReaderSetupDoesNotRun) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(PlaceReaderSetup());
  InstallerSession setup(SetupPath(), MEDIUM_DISK);
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkToFinish(setup));
  ASSERT_TRUE(ClickTheBox(setup, true));
  if (GetParam() == WayOut::ExitButton) {
    ASSERT_TRUE(ClickTheBox(setup, false));
  }
  Leave(setup, GetParam());
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(setup.ExitCode(), 0u);
  EXPECT_FALSE(ReaderSetupRan());
}

INSTANTIATE_TEST_SUITE_P(Finish, FinishWithoutTheReader,
                         testing::Values(WayOut::ExitButton, WayOut::CloseBox, WayOut::AltF4),
                         [](const auto& info) { return std::string(NameOf(info.param)); });
