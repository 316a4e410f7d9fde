// setup.exe and uninstal.exe as deployment tools run them, with /S: no window ever shown, the
// same installation as the wizard's, an uninstall entry that they can read and run, /D= with
// spaces, another program's file type left alone or taken over, a drive without room, no shell
// server, a line not understood, what the exit codes and the /LOG= files say, libraries
// planted beside either program, a copy of the uninstaller elsewhere, and a killed run.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "call_stop.h"
#include "child_process.h"
#include "copy_steps.h"
#include "destination_steps.h"
#include "file_lock.h"
#include "finish_steps.h"
#include "message_box.h"
#include "progman_host.h"
#include "registry_text.h"
#include "resource_ids.h"
#include "screenshot_album.h"
#include "shell_dde_servers.h"
#include "test_environment.h"
#include "unattended_run.h"
#include "uninstall_steps.h"
#include "whole_file.h"
#include "wizard/product.h"
#include "wizard_steps.h"

namespace {

constexpr char SETUP_LOG[] = "C:\\setup.log";
constexpr char UNINSTALL_LOG[] = "C:\\uninstall.log";
constexpr char OPEN_COMMAND_KEY[] = "trnfile\\Shell\\Open\\command";
const std::string WALK_TO_THE_WORK = "Welcome!\r\nDestination directory\r\nDestination: C:\\Program Files\\TARN\r\n"
                                     "Ready to install\r\nCopying files\r\nUpdating registry\r\nInstalling icons\r\n";
const std::string REMOVED_LOG =
    "Morvane 12.3 has been removed from C:\\Program Files\\TARN.\r\n"
    "Removed: 10 program files, the program group \"TARN\", the registry entries, the file type \".trn\".\r\n"
    "Kept, because they may hold your own work: TARN.DSK. Delete them yourself when you no longer need them.\r\n"
    "The uninstaller itself is deleted when Windows restarts, and the folder too if you have emptied it by then.\r\n";


UnattendedOutcome RunSetup(const std::string& arguments) {
  CreateDirectoryA("C:\\medium", nullptr);
  CreateDirectoryA(MEDIUM_DISK, nullptr);
  return RunUnattended(SetupPath(), arguments, MEDIUM_DISK);
}

// As the system's list of programs starts it, from another current directory.
UnattendedOutcome RunUninstaller(const std::string& arguments) {
  return RunUnattended(Installed("uninstal.exe"), arguments, "C:\\windows");
}

void ExpectUnseenEnd(const UnattendedOutcome& outcome, DWORD exitCode) {
  EXPECT_TRUE(outcome.ended);
  EXPECT_EQ(outcome.exitCode, exitCode);
  EXPECT_EQ(outcome.shown, std::vector<std::string>{}) << "windows of the process that became visible";
}

// Names that Windows looks for in a program's own folder first: LZ32, which the copy uses, and
// the libraries that the system's own load into a GUI program. Wine's builtins
// load version.dll and imm32.dll before a program's first instruction, which Windows does not,
// so those two are not planted.
const char* const PLANTED_NAMES[] = {"LZ32.DLL",    "uxtheme.dll", "dwmapi.dll", "cryptbase.dll",
                                     "userenv.dll", "msimg32.dll", "apphelp.dll"};
// Wine takes a planted file only for a name given native-first (by the scenario's
// TARN_WINE_DLL_OVERRIDES); then it looks in the program's folder first, as Windows does.
constexpr char NATIVE_FIRST[] = "lz32,uxtheme,dwmapi,cryptbase,userenv,msimg32,apphelp=n,b";

bool PlantLibraries(const std::string& folder) {
  const std::string library = WindowsPathFromEnvironment("TARN_PLANTED_LIBRARY");
  for (const char* name : PLANTED_NAMES)
    if (!CopyFileA(library.c_str(), (folder + "\\" + name).c_str(), FALSE)) return false;
  return true;
}

// The planted libraries in the folder that were loaded: each leaves its name with ".ran".
std::vector<std::string> PlantedThatRan(const std::string& folder) {
  std::vector<std::string> ran;
  for (const char* name : PLANTED_NAMES)
    if (Exists(folder + "\\" + name + ".ran")) ran.emplace_back(name);
  return ran;
}

} // namespace

TEST(Unattended, InstallsWhatTheWizardInstallsWithoutShowingAWindow) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(PlaceReaderSetup());
  ExpectUnseenEnd(RunSetup("/S /LOG=" + std::string(SETUP_LOG)), 0);
  ExpectWholeInstallation();
  EXPECT_TRUE(Exists(DESKTOP_FILE));
  EXPECT_FALSE(Exists(READER_SETUP_RAN)) << "the reader's setup is never started";
  EXPECT_EQ(ReadWholeFile(SETUP_LOG), WALK_TO_THE_WORK + "Installation complete\r\n");
  EXPECT_TRUE(CloseTheGroupWindow());
  const InstallationState unattended = CurrentInstallation();

  // Commands as an earlier installation wrote them, unquoted, still name this installation.
  ASSERT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY, "UninstallString", Installed("uninstal.exe")));
  ASSERT_TRUE(SetClassesDefault(OPEN_COMMAND_KEY, Installed("tarn.exe") + " \"%1\""));
  ExpectUnseenEnd(RunUninstaller("/S /LOG=" + std::string(UNINSTALL_LOG)), 0);
  EXPECT_EQ(ReadWholeFile(UNINSTALL_LOG), REMOVED_LOG);
  EXPECT_EQ(CurrentInstallation().files, (std::vector<std::string>{"TARN.DSK", "uninstal.exe"}));
  ExpectUnseenEnd(RunUninstaller("-s"), 4u); // nothing is installed any more

  // The wizard's installation over what is left is the same as the unattended one.
  ASSERT_TRUE(InstallWhole());
  const InstallationState wizard = CurrentInstallation();
  EXPECT_EQ(wizard.files, unattended.files);
  EXPECT_EQ(wizard.keys, unattended.keys);
  EXPECT_EQ(wizard.group, unattended.group);

  // As a deployment tool removes it: the entry's quiet command as it stands, with no shell.
  ExpectUnseenEnd(RunUnattendedCommand(RegistryText(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY, "QuietUninstallString"),
                                       "C:\\windows"),
                  0);
  EXPECT_EQ(CurrentInstallation().files, (std::vector<std::string>{"TARN.DSK", "uninstal.exe"}));
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY));
  EXPECT_EQ(ClassesDefault(OPEN_COMMAND_KEY), "(no key)");
}

TEST(Unattended, InstallsWhereDSaysAndTakesAnotherProgramsFileTypeOnlyWhenToldTo) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(SetClassesDefault(".trn", "otherfile"));
  ASSERT_TRUE(SetClassesDefault("otherfile", "Another program's library"));
  const std::string folder = "C:\\Program Files\\My Apps\\TARN 12";

  ExpectUnseenEnd(RunSetup("/S /LOG=" + std::string(SETUP_LOG) + " /D=" + folder + "  "), 0);
  EXPECT_EQ(FilesIn(folder).size(), 12u) << "the eleven files and the desktop file";
  EXPECT_EQ(UninstallCommand(), InQuotes(folder + "\\uninstal.exe"));
  EXPECT_EQ(ClassesDefault(".trn"), "otherfile") << "left to the other program";
  EXPECT_NE(ReadWholeFile(SETUP_LOG).find("Destination: " + folder + "\r\n"), std::string::npos);
  EXPECT_TRUE(CloseTheGroupWindow());

  // Again with /TAKEOVER, and the paths' switches quoted whole, as launchers quote an argument
  // with a space: the installation there is replaced, and the type taken over.
  ExpectUnseenEnd(RunSetup("-s -TakeOver \"/LOG=" + std::string(SETUP_LOG) + "\" \"/D=" + folder + "\""), 0);
  ExpectWholeInstallation(folder);
  EXPECT_NE(ReadWholeFile(SETUP_LOG).find("Replace old installation\r\nReady to install\r\n"), std::string::npos);
}

TEST(Unattended, WithoutAShellServerEverythingButTheGroupIsDoneAndTheRunEndsWithItsError) {
  ASSERT_TRUE(SilenceOtherDdeServers());
  ExpectUnseenEnd(RunSetup("/S /LOG=" + std::string(SETUP_LOG)), 13u);
  ExpectWholeInstallation(INSTALL_FOLDER, false);
  EXPECT_FALSE(Exists(ProgramGroupFolder()));
  EXPECT_EQ(ReadWholeFile(SETUP_LOG),
            WALK_TO_THE_WORK + "Installation not completed\r\nError 13: " + GROUPS_NOT_CREATED + "\r\n");
}

TEST(Unattended, ALineNotUnderstoodInstallsNothingAndIsShownOnlyToAPerson) {
  ExpectUnseenEnd(RunSetup("/SILENT /S /LOG=" + std::string(SETUP_LOG)), 15u);
  EXPECT_EQ(ReadWholeFile(SETUP_LOG), "Error 15: The command line is not understood: /SILENT /S /LOG=C:\\setup.log\r\n");

  ChildProcess setup;
  ASSERT_TRUE(setup.Start(SetupPath(), "/D:E:\\TARN"));
  HWND box = WaitForMessageBox(setup, FRAME_CAPTION, nullptr, START_WAIT_BOUND_MS);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "The command line is not understood: /D:E:\\TARN");
  EXPECT_TRUE(AddToAlbum(box, "command line not understood"));
  AnswerMessageBox(box, IDOK);
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(setup.ExitCode(), 15u);
  EXPECT_FALSE(Exists(INSTALL_FOLDER));
}

// 0 when all went; 3 while a file is held open, so that a second run can finish; 2 when a
// changed file was kept; 4 when nothing is installed; 15 for a switch it does not take.
TEST(Unattended, TheUninstallersExitCodesSayWhatWasKept) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ExpectUnseenEnd(RunSetup("/S"), 0);
  ExpectUnseenEnd(RunUninstaller("/S /TAKEOVER"), 15u);
  ExpectWholeInstallation();
  // A copy of the uninstaller in a folder where setup.exe installed nothing, beside a file of
  // the user's under a product file's name.
  const std::string downloads = "C:\\users\\Public\\Downloads";
  CreateDirectoryA(downloads.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(Installed("uninstal.exe").c_str(), (downloads + "\\uninstal.exe").c_str(), FALSE));
  ASSERT_TRUE(WriteWholeFile(downloads + "\\tarn.hlp", "the user's own help"));
  ExpectUnseenEnd(RunUnattended(downloads + "\\uninstal.exe", "/S", "C:\\windows"), 4u);
  EXPECT_EQ(ReadWholeFile(downloads + "\\tarn.hlp"), "the user's own help");
  ExpectWholeInstallation();
  {
    FileLock held(Installed("tarn.exe"));
    ASSERT_TRUE(held.Held());
    ExpectUnseenEnd(RunUninstaller("/S"), 3u);
  }
  ExpectUnseenEnd(RunUninstaller("/S"), 0);
  ExpectUnseenEnd(RunUninstaller("/S"), 4u);

  ExpectUnseenEnd(RunSetup("/S"), 0);
  ASSERT_TRUE(WriteWholeFile(Installed("rtwin32.dll"), "changed since it was installed"));
  ExpectUnseenEnd(RunUninstaller("/S /LOG=" + std::string(UNINSTALL_LOG)), 2u);
  EXPECT_NE(ReadWholeFile(UNINSTALL_LOG).find("Kept, because they have changed since they were installed"),
            std::string::npos);
}

namespace {

// Where a reinstallation is killed.
struct KillAt {
  const char* name;
  CallStop stop;
};

void PrintTo(const KillAt& kill, std::ostream* out) { *out << kill.name; }

class KilledReinstallation : public testing::TestWithParam<KillAt> {};

const char* const OLD_VERSION_FILES[] = {"rtwin32.dll", "tarn.exe"};
std::string OldVersionOf(const std::string& name) { return name + " of the version before"; }

// Every product file is whole, the earlier version's or this one's, and the entry is there.
void ExpectAWorkingInstallation() {
  for (const FileEntry* row = productFiles; row->componentKey != COMPONENT_END; ++row) {
    const std::string content = ReadWholeFile(Installed(row->name));
    EXPECT_TRUE(content == OldVersionOf(row->name) || content == StandIn(*row)) << row->name << " is not whole";
  }
  EXPECT_NE(UninstallCommand(), "");
}

} // namespace

// A reinstallation killed at a step of the copy or of the registry step, over an installation
// of an earlier version. The next setup.exe puts back the files and the registry as they were
// before the killed run as its destination is chosen, before its own first change; left on
// the summary page it changes nothing more, and /S then completes.
TEST_P(KilledReinstallation, LeavesAWorkingInstallationThatTheNextRunCompletes) {
  const KillAt kill = GetParam();
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ExpectUnseenEnd(RunSetup("/S"), 0);
  for (const char* name : OLD_VERSION_FILES) ASSERT_TRUE(WriteWholeFile(Installed(name), OldVersionOf(name)));
  const FolderSnapshot before = SnapshotOf(INSTALL_FOLDER);
  const std::string registry = ProductRegistry();

  const StoppedRun killed = RunUntilCall(SetupPath(), "/S", kill.stop, MEDIUM_DISK);
  ASSERT_TRUE(killed.stopped);
  ExpectAWorkingInstallation();
  EXPECT_TRUE(RunRecordExists());

  InstallerSession setup(SetupPath(), MEDIUM_DISK);
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkToTheSummaryOverAnInstallation(setup));
  EXPECT_EQ(SnapshotOf(INSTALL_FOLDER), before);
  EXPECT_EQ(ProductRegistry(), registry);
  EXPECT_FALSE(RunRecordExists());
  setup.Click(IDC_EXIT);
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(SnapshotOf(INSTALL_FOLDER), before);

  ExpectUnseenEnd(RunSetup("/S"), 0);
  ExpectWholeInstallation();
  EXPECT_EQ(FilesIn(INSTALL_FOLDER).size(), 12u) << "the eleven files and the desktop file, nothing beside them";
  EXPECT_FALSE(RunRecordExists());
}

// The copy: as the third file was to take its name, the first two new with their old forms
// kept beside them, the third the old one with its new form beside it. The registry step: at
// its second value, every file new with the old forms kept, the first row written.
INSTANTIATE_TEST_SUITE_P(Steps, KilledReinstallation,
                         testing::Values(KillAt{"Copy", {"kernel32.dll", "MoveFileExA", 3}},
                                         KillAt{"Registry", {"advapi32.dll", "RegSetValueA", 2}}),
                         [](const auto& info) { return std::string(info.param.name); });

// A first installation killed in its copy, after the uninstaller had been put down: started
// as a person would start the only program in the folder, the uninstaller undoes the run and
// leaves itself and the folder for the next restart.
TEST(Unattended, AFirstInstallationKilledInItsCopyIsUndoneByTheUninstaller) {
  CreateDirectoryA("C:\\medium", nullptr);
  CreateDirectoryA(MEDIUM_DISK, nullptr);
  const StoppedRun killed = RunUntilCall(SetupPath(), "/S", {"kernel32.dll", "MoveFileExA", 3}, MEDIUM_DISK);
  ASSERT_TRUE(killed.stopped);
  ASSERT_TRUE(RunRecordExists());
  const UnattendedOutcome uninstall = RunUninstaller("/S");
  EXPECT_TRUE(uninstall.ended);
  EXPECT_EQ(uninstall.exitCode, 4u);
  EXPECT_FALSE(RunRecordExists());
  EXPECT_EQ(FilesIn(INSTALL_FOLDER), std::vector<std::string>{"uninstal.exe"});
  EXPECT_EQ(PendingList(), PendingStrings({"\\??\\" + Installed("uninstal.exe"), "",
                                           "\\??\\" + std::string(INSTALL_FOLDER), ""}));
}

// Drive E: of 1 MiB, less than the 1.8 MB that the files need.
TEST(UnattendedOnASmallDrive, EndsBeforeAnythingIsWritten) {
  ExpectUnseenEnd(RunSetup("/S /LOG=" + std::string(SETUP_LOG) + " /D=E:\\TARN"), 14u);
  EXPECT_FALSE(Exists("E:\\TARN"));
  EXPECT_EQ(UninstallCommand(), "");
  EXPECT_EQ(ReadWholeFile(SETUP_LOG),
            "Welcome!\r\nDestination directory\r\nError 14: Not enough free space for the installation in E:\\TARN.\r\n");
}

// setup.exe saved into a Downloads folder that holds libraries under system libraries' names,
// and the uninstaller it installs with the same beside it: neither program loads any of them.
// The uninstaller is answered as a person answers it: /S opens no window, and a program that
// opens none gets no theme library.
TEST(Unattended, LibrariesPlantedBesideEitherProgramNeverRun) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  char overrides[512] = "";
  GetEnvironmentVariableA("WINEDLLOVERRIDES", overrides, sizeof overrides);
  ASSERT_NE(std::string(overrides).find(NATIVE_FIRST), std::string::npos) << "else nothing planted could run";
  const std::string downloads = "C:\\users\\Public\\Downloads", setup = downloads + "\\setup.exe";
  CreateDirectoryA(downloads.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(SetupPath().c_str(), setup.c_str(), FALSE));
  ASSERT_TRUE(PlantLibraries(downloads));

  ExpectUnseenEnd(RunUnattended(setup, "/S"), 0);
  EXPECT_EQ(PlantedThatRan(downloads), std::vector<std::string>{});
  ExpectWholeInstallation();
  EXPECT_TRUE(CloseTheGroupWindow());

  ASSERT_TRUE(PlantLibraries(INSTALL_FOLDER));
  UninstallRun uninstall;
  ASSERT_TRUE(uninstall.Started());
  EXPECT_NE(UninstallAnswering(uninstall, IDYES), "");
  ASSERT_TRUE(uninstall.WaitForExit());
  EXPECT_EQ(uninstall.ExitCode(), 0u);
  EXPECT_EQ(PlantedThatRan(INSTALL_FOLDER), std::vector<std::string>{});
}
