// The registry page with the real setup.exe and Wine's registry: what it writes before its
// pause, the ".trn" association tried through the shell, the question before another
// program's file type is taken over, and Abort while it works and during its pause. The
// program is stopped at exact moments by a MessageHold (its start command, its timer), so
// nothing races.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "copy_steps.h"
#include "destination_steps.h"
#include "finish_steps.h"
#include "installer_session.h"
#include "message_box.h"
#include "message_hold.h"
#include "registry_text.h"
#include "resource_ids.h"
#include "screenshot_album.h"
#include "shell_open.h"
#include "unattended_run.h"
#include "whole_file.h"
#include "wizard_steps.h"

namespace {

constexpr char ICONS_TITLE[] = "Installing icons";
constexpr UINT_PTR MOVE_ON_TIMER = 1;
const std::string PROGRAM = std::string(INSTALL_FOLDER) + "\\tarn.exe";
const char APP_PATHS_ROW[] = "SOFTWARE\\Veltrum\\TARN\\CurrentVersion\\AppPaths";
const char PRODUCT_KEY[] = "SOFTWARE\\Veltrum\\TARN\\CurrentVersion";
const char PRODUCT_UNINSTALL[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TARN 12.3";
const char QUESTION_FOR_OTHER_VIEWER[] =
    "The file type \"trn\" is already registered as \"Other Viewer\"\n\nDo you want to replace this by \"TARN Library\"?";

std::string Machine(const std::string& key, const char* name = nullptr) {
  return RegistryText(HKEY_LOCAL_MACHINE, key, name);
}
std::string Classes(const std::string& key) { return RegistryText(HKEY_CLASSES_ROOT, key); }

void ExpectTheProductsFileType() {
  EXPECT_EQ(Classes(".trn"), "trnfile");
  EXPECT_EQ(Classes("trnfile"), "TARN Library");
  EXPECT_EQ(Classes("trnfile\\DefaultIcon"), PROGRAM + ",-599");
  EXPECT_EQ(Classes("trnfile\\Shell\\Open"), "&Open");
  EXPECT_EQ(Classes("trnfile\\Shell\\Open\\command"), "\"" + PROGRAM + "\" \"%1\"");
}

void ExpectTheProductRegistered(bool registered) {
  EXPECT_EQ(Machine(PRODUCT_UNINSTALL, "DisplayName"), registered ? "Morvane 12.3" : "(missing)");
  EXPECT_EQ(Machine(PRODUCT_UNINSTALL, "UninstallString"),
            registered ? "\"" + std::string(INSTALL_FOLDER) + "\\uninstal.exe\"" : "(missing)");
  EXPECT_EQ(Machine(PRODUCT_KEY), registered ? "KQZV 470 385/6  R12D" : "(missing)");
}

class Registration : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(setup.Started());
    ASSERT_TRUE(WalkTo(setup, SUMMARY_TITLE));
  }

  // Next on the summary page, then the copy; the program is stopped when the registry page
  // takes the message.
  void RunUntilTheRegistryPageTakes(MessageHold& hold) {
    ASSERT_TRUE(hold.Armed());
    setup.Click(IDC_NEXT);
    ASSERT_TRUE(hold.WaitUntilHeld());
  }

  // The registry page's timer: its work is done, it has not been left yet. The copy page on
  // the way is pictured with its bar full.
  void ArriveAtTheFinishedRegistryPage() {
    MessageHold hold(setup.Frame(), WM_TIMER, MOVE_ON_TIMER, REGISTRY_TITLE);
    ASSERT_TRUE(hold.Armed());
    ASSERT_TRUE(ArriveAtTheFullBar(setup));
    ASSERT_TRUE(hold.WaitUntilHeld());
    AddToAlbumAsShown(setup.Frame(), REGISTRY_TITLE);
    EXPECT_EQ(Machine(APP_PATHS_ROW), PROGRAM);
    ExpectTheProductRegistered(true);
    hold.Release();
    const DWORD released = GetTickCount();
    ASSERT_TRUE(setup.WaitForPageTitle(ICONS_TITLE));
    // A figure, not a check: the timer had run out when the program was stopped at it.
    std::printf("icons page %lu ms after the registry page's timer\n",
                static_cast<unsigned long>(GetTickCount() - released));
    setup.Screenshot();
  }

  // The question about the file type, pictured, checked and answered.
  void AnswerTheFileTypeQuestion(int button) {
    HWND question = setup.WaitForMessageBox(FRAME_CAPTION);
    ASSERT_NE(question, nullptr);
    AddToAlbum(question, "file type question");
    EXPECT_EQ(MessageBoxText(question), QUESTION_FOR_OTHER_VIEWER);
    EXPECT_NE(GetDlgItem(question, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(question, IDNO), nullptr);
    AnswerMessageBox(question, button);
  }

  InstallerSession setup;
};

} // namespace

TEST_F(Registration, WritesTheRegistryAndTheProductBeforeItsPause) {
  ASSERT_NO_FATAL_FAILURE(ArriveAtTheFinishedRegistryPage());
  EXPECT_EQ(Machine(APP_PATHS_ROW), PROGRAM);
  ExpectTheProductsFileType();
  ExpectTheProductRegistered(true);
}

// Abort as the icons page begins (the click given while the registry page's timer was held)
// ends the program at once: the files and the registry stay, the product can be removed from
// the list of programs, and the restart deletions that an earlier uninstallation left on the
// uninstaller and the folder are taken back, as they are on the way to the finish page.
TEST_F(Registration, AnAbortAsTheIconsPageBeginsKeepsTheProductRemovable) {
  const std::string uninstaller = std::string(INSTALL_FOLDER) + "\\uninstal.exe";
  ASSERT_TRUE(SeedPendingList({"\\??\\" + uninstaller, "", "\\??\\" + std::string(INSTALL_FOLDER), ""}));
  MessageHold hold(setup.Frame(), WM_TIMER, MOVE_ON_TIMER, REGISTRY_TITLE);
  ASSERT_TRUE(hold.Armed());
  ASSERT_TRUE(ArriveAtTheFullBar(setup));
  ASSERT_TRUE(hold.WaitUntilHeld());
  setup.ClickWhileHeld({setup.ButtonPoint(IDC_EXIT)});
  hold.Release();
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(setup.ExitCode(), 10u);
  ExpectTheProductRegistered(true);
  EXPECT_EQ(PendingList(), PendingStrings({}));
  EXPECT_TRUE(ReadWholeFile(uninstaller).size() > 0);
}

// Abort during the pause of a reinstallation that took the file type over from another
// program: the run is undone, the files and the registry are as before it, and the type is
// the other program's again.
TEST(Reinstallation, AnAbortInTheRegistryPauseLeavesEverythingAsBefore) {
  CreateDirectoryA("C:\\medium", nullptr);
  CreateDirectoryA(MEDIUM_DISK, nullptr);
  ASSERT_EQ(RunUnattended(SetupPath(), "/S", MEDIUM_DISK).exitCode, 0u);
  ASSERT_TRUE(SetRegistryText(HKEY_CLASSES_ROOT, ".trn", nullptr, "otherfile"));
  ASSERT_TRUE(SetRegistryText(HKEY_CLASSES_ROOT, "otherfile", nullptr, "Other Viewer"));
  const FolderSnapshot files = SnapshotOf(INSTALL_FOLDER);
  const std::string registry = ProductRegistry();

  InstallerSession setup(SetupPath(), MEDIUM_DISK);
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkToTheSummaryOverAnInstallation(setup));
  // The timer's first tick dropped: the click comes within the pause.
  MessageHold hold(setup.Frame(), WM_TIMER, MOVE_ON_TIMER, REGISTRY_TITLE, true);
  ASSERT_TRUE(hold.Armed());
  setup.Click(IDC_NEXT);
  HWND question = setup.WaitForMessageBox(FRAME_CAPTION);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(MessageBoxText(question), QUESTION_FOR_OTHER_VIEWER);
  AnswerMessageBox(question, IDYES);
  ASSERT_TRUE(hold.WaitUntilHeld());
  ExpectTheProductsFileType();
  setup.ClickWhileHeld({setup.ButtonPoint(IDC_EXIT)});
  hold.Release();
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(setup.ExitCode(), 10u);
  EXPECT_EQ(SnapshotOf(INSTALL_FOLDER), files);
  EXPECT_EQ(ProductRegistry(), registry);
  EXPECT_EQ(Classes(".trn"), "otherfile");
  EXPECT_FALSE(RunRecordExists());
}

// The association tried for real: the shell starts the installed program with the document.
TEST_F(Registration, OpeningADocumentStartsTheInstalledProgram) {
  ASSERT_NO_FATAL_FAILURE(ArriveAtTheFinishedRegistryPage());
  const std::string document = "C:\\documents\\sample.trn";
  CreateDirectoryA("C:\\documents", nullptr);
  ASSERT_TRUE(WriteWholeFile(document, "a TARN library"));
  ShellOpened opened(document);
  ASSERT_TRUE(opened.Started()) << GetLastError();
  // Its window first: until the program runs, its parameters may not be in their final place.
  HWND window = opened.WaitForWindow("TARN stand-in");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(opened.ImagePath(), PROGRAM);
  // The shell puts the program's path in quotes of its own; the document follows as written.
  const std::string commandLine = opened.CommandLine();
  const std::string documentArgument = " \"" + document + "\"";
  EXPECT_EQ(commandLine.substr(commandLine.size() - std::min(commandLine.size(), documentArgument.size())),
            documentArgument);
  AddToAlbum(window, "sample.trn opened");
}

class RegisteredToAnotherProgram : public Registration {
protected:
  void SetUp() override {
    ASSERT_TRUE(SetRegistryText(HKEY_CLASSES_ROOT, ".trn", nullptr, "otherfile"));
    ASSERT_TRUE(SetRegistryText(HKEY_CLASSES_ROOT, "otherfile", nullptr, "Other Viewer"));
    Registration::SetUp();
  }
};

TEST_F(RegisteredToAnotherProgram, NoLeavesTheTypeAndTheInstallationGoesOn) {
  setup.Click(IDC_NEXT);
  ASSERT_NO_FATAL_FAILURE(AnswerTheFileTypeQuestion(IDNO));
  ASSERT_TRUE(setup.WaitForPageTitle(ICONS_TITLE));
  EXPECT_EQ(Classes(".trn"), "otherfile");
  EXPECT_EQ(Classes("otherfile"), "Other Viewer");
  EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, "trnfile"));
  ExpectTheProductRegistered(true);
}

TEST_F(RegisteredToAnotherProgram, YesTakesTheTypeOverAndLeavesTheOtherKey) {
  setup.Click(IDC_NEXT);
  ASSERT_NO_FATAL_FAILURE(AnswerTheFileTypeQuestion(IDYES));
  ASSERT_TRUE(setup.WaitForPageTitle(ICONS_TITLE));
  ExpectTheProductsFileType();
  EXPECT_EQ(Classes("otherfile"), "Other Viewer");
}

struct Earlier {
  const char* name;
  const char* identifier;
  const char* description; // empty: none
};

class RegisteredEarlier : public Registration, public testing::WithParamInterface<Earlier> {
protected:
  void SetUp() override {
    ASSERT_TRUE(SetRegistryText(HKEY_CLASSES_ROOT, ".trn", nullptr, GetParam().identifier));
    if (GetParam().description[0] != '\0') {
      ASSERT_TRUE(SetRegistryText(HKEY_CLASSES_ROOT, GetParam().identifier, nullptr, GetParam().description));
    }
    Registration::SetUp();
  }
};

// Reaching the page's timer means no question held the work up.
TEST_P(RegisteredEarlier, IsReplacedWithoutAQuestion) {
  ASSERT_NO_FATAL_FAILURE(ArriveAtTheFinishedRegistryPage());
  ExpectTheProductsFileType();
}

INSTANTIATE_TEST_SUITE_P(Types, RegisteredEarlier,
                         testing::Values(Earlier{"SameDescriptionInOtherCase", "trnfile", "tarn LIBRARY"},
                                         Earlier{"IdentifierWithoutDescription", "otherfile", ""}),
                         [](const testing::TestParamInfo<Earlier>& info) { return std::string(info.param.name); });

class AbortWhileRegistering : public Registration, public testing::WithParamInterface<bool> {};

// Abort is clicked while the program stands at the page's start command, so the work finds
// the click waiting at its first stop check, after the first row.
TEST_P(AbortWhileRegistering, AsksAfterTheCurrentRow) {
  const bool stop = GetParam();
  {
    MessageHold hold(setup.Frame(), WM_COMMAND, IDC_START_REGISTRY, REGISTRY_TITLE);
    ASSERT_NO_FATAL_FAILURE(RunUntilTheRegistryPageTakes(hold));
    setup.ClickWhileHeld({setup.ButtonPoint(IDC_EXIT)});
  }
  HWND question = setup.WaitForMessageBox(FRAME_CAPTION);
  ASSERT_NE(question, nullptr);
  AddToAlbum(question, "Do you want to stop");
  EXPECT_EQ(MessageBoxText(question), STOP_QUESTION);
  EXPECT_EQ(setup.ButtonCaption(IDC_EXIT), "Abort");
  EXPECT_EQ(Machine(APP_PATHS_ROW), PROGRAM);
  AnswerMessageBox(question, stop ? IDYES : IDNO);
  if (!stop) {
    ASSERT_TRUE(setup.WaitForPageTitle(ICONS_TITLE));
    ExpectTheProductsFileType();
    ExpectTheProductRegistered(true);
    return;
  }
  ASSERT_TRUE(setup.WaitForPageTitle(ERROR_TITLE));
  setup.Screenshot();
  EXPECT_EQ(setup.PageText(IDC_ERROR_MESSAGE), "Installation aborted.");
  EXPECT_EQ(setup.ButtonCaption(IDC_EXIT), "Close");
  EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, ".trn"));
  ExpectTheProductRegistered(false);
  setup.Click(IDC_EXIT);
  EXPECT_TRUE(setup.WaitForExit());
  // What the first row wrote goes with the files: nothing of the product is left.
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Veltrum"));
  EXPECT_EQ(GetFileAttributesA(INSTALL_FOLDER), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(RunRecordExists());
}

INSTANTIATE_TEST_SUITE_P(Answer, AbortWhileRegistering, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? std::string("Yes") : std::string("No");
                         });
