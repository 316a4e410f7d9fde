// uninstal.exe after a whole installation by setup.exe, started by the command of the
// product's uninstall entry: what goes, what stays and why it says so; setup.exe over what is
// left, also when it cannot make the group; No at the question; a second run; another
// program's file type, left alone or given back; files held open, changed or read-only; a
// second installation in another folder; a shortcut of the user's in the group; a drive's
// root; Windows 98.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "copy_steps.h"
#include "file_lock.h"
#include "finish_steps.h"
#include "message_box.h"
#include "progman_host.h"
#include "registry_text.h"
#include "resource_ids.h"
#include "screenshot_album.h"
#include "uninstall_steps.h"
#include "whole_file.h"

namespace {

const std::string USER_FILE = std::string(INSTALL_FOLDER) + "\\notes.txt";
const std::string WININIT = "C:\\windows\\WININIT.INI";
const std::string REMOVED_WHOLE =
    "Morvane 12.3 has been removed from C:\\Program Files\\TARN.\n\n"
    "Removed: 10 program files, the program group \"TARN\", the registry entries, the file type \".trn\".\n\n";
const std::string KEPT_DESKTOP_FILE =
    "Kept, because they may hold your own work: TARN.DSK.\nDelete them yourself when you no longer need them.\n\n";
const std::string AT_RESTART =
    "The uninstaller itself is deleted when Windows restarts, and the folder too if you have emptied it by then.";
const char PRODUCT_KEY[] = "SOFTWARE\\Veltrum\\TARN\\CurrentVersion";
const char COMMAND_KEY[] = "trnfile\\Shell\\Open\\command";

std::string Pending(const std::string& path) { return "\\??\\" + path; }

// The two deletions that the uninstaller leaves for the next restart.
std::string RestartDeletions() {
  return PendingStrings({Pending(Installed("uninstal.exe")), "", Pending(INSTALL_FOLDER), ""});
}

// Everything of the product gone but what the report names as kept.
void ExpectRemoved(const std::vector<std::string>& left) {
  const InstallationState state = CurrentInstallation();
  EXPECT_EQ(state.files, left);
  EXPECT_EQ(state.keys, std::vector<std::string>{});
  EXPECT_FALSE(state.group);
}

} // namespace

TEST(Uninstall, RemovesTheInstallationKeepsTheUsersFilesAndSetupTakesBackItsRestartDeletions) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole());
  ExpectWholeInstallation();
  ASSERT_TRUE(WriteWholeFile(USER_FILE, "the user's own notes"));

  UninstallRun run;
  ASSERT_TRUE(run.Started());
  std::string report = UninstallAnswering(run, IDYES);
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(run.ExitCode(), 0u);
  // The folder lists its files in an order of its own.
  const size_t swapped = report.find("notes.txt, TARN.DSK");
  if (swapped != std::string::npos) report.replace(swapped, 19, "TARN.DSK, notes.txt");
  EXPECT_EQ(report, REMOVED_WHOLE +
                        "Kept, because they may hold your own work: TARN.DSK, notes.txt.\n"
                        "Delete them yourself when you no longer need them.\n\n" +
                        AT_RESTART);
  ExpectRemoved({"TARN.DSK", "notes.txt", "uninstal.exe"});
  EXPECT_EQ(ReadWholeFile(USER_FILE), "the user's own notes");
  EXPECT_EQ(PendingList(), RestartDeletions());

  ASSERT_TRUE(InstallWhole());
  ExpectWholeInstallation();
  EXPECT_EQ(PendingList(), PendingStrings({})) << "both deletions taken back";
  EXPECT_EQ(ReadWholeFile(USER_FILE), "the user's own notes");
}

TEST(Uninstall, NoAtTheQuestionChangesNothing) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole());
  const InstallationState before = CurrentInstallation();

  UninstallRun run;
  ASSERT_TRUE(run.Started());
  HWND question = run.WaitForBox();
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(MessageBoxText(question), UninstallQuestion(INSTALL_FOLDER));
  AnswerMessageBox(question, IDNO);
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(run.ExitCode(), 0u);
  EXPECT_EQ(CurrentInstallation(), before);
}

TEST(Uninstall, ASecondUninstallSaysThereIsNothingToRemoveAndChangesNothing) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole());
  const std::string command = UninstallCommand();
  UninstallRun first;
  ASSERT_TRUE(first.Started());
  EXPECT_EQ(UninstallAnswering(first, IDYES), REMOVED_WHOLE + KEPT_DESKTOP_FILE + AT_RESTART);
  ASSERT_TRUE(first.WaitForExit());
  const InstallationState before = CurrentInstallation();

  // The entry is gone: the program is started as its command named it.
  ChildProcess second;
  ASSERT_TRUE(second.StartCommand(command, "C:\\windows"));
  HWND box = WaitForMessageBox(second, UNINSTALL_CAPTION);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(AddToAlbum(box, "nothing to remove"));
  EXPECT_EQ(MessageBoxText(box),
            "Morvane 12.3 is not installed in C:\\Program Files\\TARN: there is nothing to remove. Nothing was changed.");
  AnswerMessageBox(box, IDOK);
  ASSERT_TRUE(second.WaitForExit());
  EXPECT_EQ(CurrentInstallation(), before);
}

TEST(Uninstall, AFileTypeThatAnotherProgramTookOverIsLeftAlone) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole());
  ASSERT_TRUE(SetClassesDefault(".trn", "otherfile"));
  ASSERT_TRUE(SetClassesDefault("otherfile", "Another program's library"));

  UninstallRun run;
  ASSERT_TRUE(run.Started());
  EXPECT_EQ(UninstallAnswering(run, IDYES),
            "Morvane 12.3 has been removed from C:\\Program Files\\TARN.\n\n"
            "Removed: 10 program files, the program group \"TARN\", the registry entries.\n\n" +
                KEPT_DESKTOP_FILE + "Left alone: the file type \".trn\", which now opens with another program.\n\n" +
                AT_RESTART);
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(ClassesDefault(".trn"), "otherfile");
  EXPECT_EQ(ClassesDefault("otherfile"), "Another program's library");
  EXPECT_EQ(ClassesDefault("trnfile"), "TARN Library") << "only removed while .trn names it";
  EXPECT_EQ(UninstallCommand(), "");
  EXPECT_FALSE(Exists(ProgramGroupFolder()));
}

TEST(Uninstall, AFileHeldOpenIsNamedAndASecondRunRemovesIt) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole());
  FileLock held(Installed("tarn.exe"));
  ASSERT_TRUE(held.Held());

  UninstallRun first;
  ASSERT_TRUE(first.Started());
  EXPECT_EQ(UninstallAnswering(first, IDYES),
            "Morvane 12.3 has been removed in part from C:\\Program Files\\TARN.\n\n"
            "Removed: 9 program files, the program group \"TARN\", the registry entries, the file type \".trn\".\n\n"
            "Not removed, because another program has them open: tarn.exe.\n"
            "Close that program and run the uninstaller again to finish; the entry in the list of programs stays "
            "until then.\n\n" +
                KEPT_DESKTOP_FILE);
  ASSERT_TRUE(first.WaitForExit());
  EXPECT_EQ(FilesIn(INSTALL_FOLDER), (std::vector<std::string>{"TARN.DSK", "tarn.exe", "uninstal.exe"}));
  EXPECT_EQ(UninstallCommand(), InQuotes(Installed("uninstal.exe"))) << "kept for the second run";
  EXPECT_EQ(PendingList(), NO_PENDING_LIST) << "the uninstaller must stay for the second run";

  held.Unlock();
  UninstallRun second;
  ASSERT_TRUE(second.Started());
  EXPECT_EQ(UninstallAnswering(second, IDYES),
            "Morvane 12.3 has been removed from C:\\Program Files\\TARN.\n\n"
            "Removed: 1 program file, the registry entries.\n\n" +
                KEPT_DESKTOP_FILE + AT_RESTART);
  ASSERT_TRUE(second.WaitForExit());
  ExpectRemoved({"TARN.DSK", "uninstal.exe"});
  EXPECT_EQ(PendingList(), RestartDeletions());
}

namespace {

// Windows 98 as Wine reports it to the program of that name.
bool ReportWindows98To(const std::string& program) {
  return SetRegistryText(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\" + program, "Version", "win98");
}

std::string LowerCase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

} // namespace

// setup.exe installed as on NT; the uninstaller runs as on Windows 98, and so does the setup.exe
// that installs again before the restart.
TEST(Uninstall, OnWindows98TheRestartDeletionsGoToWininitIniAndAReinstallationTakesThemBack) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole());
  // Two of another program's, which share their key with ours: the rewrite must keep both.
  const std::string otherProgramsLine = "NUL=C:\\windows\\other.tmp\r\nNUL=C:\\windows\\another.tmp\r\n";
  ASSERT_TRUE(WriteWholeFile(WININIT, "[boot]\r\nshell=explorer.exe\r\n[rename]\r\n" + otherProgramsLine));
  ASSERT_TRUE(ReportWindows98To("uninstal.exe"));
  const std::string program = LowerCaseShortPath(Installed("uninstal.exe"));
  const std::string folder = LowerCaseShortPath(INSTALL_FOLDER);

  UninstallRun run;
  ASSERT_TRUE(run.Started());
  EXPECT_EQ(UninstallAnswering(run, IDYES), REMOVED_WHOLE + KEPT_DESKTOP_FILE + AT_RESTART);
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(LowerCase(ReadWholeFile(WININIT)), "[boot]\r\nshell=explorer.exe\r\n[rename]\r\nnul=" + program +
                                                   "\r\nnul=" + folder + "\r\n" + LowerCase(otherProgramsLine));
  EXPECT_EQ(PendingList(), NO_PENDING_LIST);

  const std::string setupPath = SetupPath();
  ASSERT_TRUE(ReportWindows98To(setupPath.substr(setupPath.find_last_of('\\') + 1)));
  ASSERT_TRUE(InstallWhole());
  ExpectWholeInstallation();
  const std::string wininit = LowerCase(ReadWholeFile(WININIT));
  EXPECT_EQ(wininit.find("nul=" + program), std::string::npos) << wininit;
  EXPECT_EQ(wininit.find("nul=" + folder + "\r\n"), std::string::npos) << wininit;
  EXPECT_NE(wininit.find(LowerCase(otherProgramsLine)), std::string::npos) << "another program's deletions stay";
  EXPECT_NE(wininit.find("shell=explorer.exe"), std::string::npos);
}

// The user adds work to the library after installing, and makes the help file read-only.
TEST(Uninstall, AChangedLibraryIsKeptAndAReadOnlyFileIsNotCalledHeldOpen) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole());
  const std::string library = ReadWholeFile(Installed("tarnsyst.trn")) + "the user's own entries";
  ASSERT_TRUE(WriteWholeFile(Installed("tarnsyst.trn"), library));
  ASSERT_TRUE(SetFileAttributesA(Installed("tarn.hlp").c_str(), FILE_ATTRIBUTE_READONLY));

  UninstallRun first;
  ASSERT_TRUE(first.Started());
  EXPECT_EQ(UninstallAnswering(first, IDYES),
            "Morvane 12.3 has been removed in part from C:\\Program Files\\TARN.\n\n"
            "Removed: 8 program files, the program group \"TARN\", the registry entries, the file type \".trn\".\n\n"
            "Not removed, because they are read-only or Windows refused to delete them: tarn.hlp.\n"
            "Make them deletable and run the uninstaller again to finish; the entry in the list of programs stays "
            "until then.\n\n"
            "Kept, because they have changed since they were installed and may hold your own work: tarnsyst.trn.\n\n" +
                KEPT_DESKTOP_FILE);
  ASSERT_TRUE(first.WaitForExit());
  EXPECT_EQ(ReadWholeFile(Installed("tarnsyst.trn")), library);
  EXPECT_EQ(FilesIn(INSTALL_FOLDER),
            (std::vector<std::string>{"TARN.DSK", "tarn.hlp", "tarnsyst.trn", "uninstal.exe"}));
  EXPECT_EQ(UninstallCommand(), InQuotes(Installed("uninstal.exe"))) << "kept for the second run";
  EXPECT_EQ(PendingList(), NO_PENDING_LIST);

  ASSERT_TRUE(SetFileAttributesA(Installed("tarn.hlp").c_str(), FILE_ATTRIBUTE_NORMAL));
  UninstallRun second;
  ASSERT_TRUE(second.Started());
  EXPECT_EQ(UninstallAnswering(second, IDYES),
            "Morvane 12.3 has been removed from C:\\Program Files\\TARN.\n\n"
            "Removed: 1 program file, the registry entries.\n\n"
            "Kept, because they have changed since they were installed and may hold your own work: tarnsyst.trn.\n\n" +
                KEPT_DESKTOP_FILE + AT_RESTART);
  ASSERT_TRUE(second.WaitForExit());
  EXPECT_EQ(ReadWholeFile(Installed("tarnsyst.trn")), library);
  EXPECT_EQ(UninstallCommand(), "");
}

// Installed into the default folder, then into another: the first folder's uninstaller removes
// its files, and leaves what now starts the second installation.
TEST(Uninstall, ASecondInstallationInAnotherFolderKeepsWhatPointsToIt) {
  const std::string second = "C:\\TARN2";
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole());
  ASSERT_TRUE(InstallWhole({second}));

  UninstallRun run(Installed("uninstal.exe"));
  ASSERT_TRUE(run.Started());
  EXPECT_EQ(UninstallAnswering(run, IDYES),
            "Morvane 12.3 has been removed from C:\\Program Files\\TARN.\n\n"
            "Removed: 10 program files.\n\n" +
                KEPT_DESKTOP_FILE +
                "Left alone, because they belong to an installation in another folder: the entry in the list of "
                "programs, the registry entries, the file type \".trn\", the program group \"TARN\".\n\n" +
                AT_RESTART);
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(FilesIn(INSTALL_FOLDER), (std::vector<std::string>{"TARN.DSK", "uninstal.exe"}));
  EXPECT_EQ(UninstallCommand(), InQuotes(second + "\\uninstal.exe"));
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, std::string(PRODUCT_KEY) + "\\AppPaths"), second + "\\tarn.exe");
  EXPECT_EQ(ClassesDefault(".trn"), "trnfile");
  EXPECT_EQ(ClassesDefault(COMMAND_KEY), InQuotes(second + "\\tarn.exe") + " \"%1\"");
  EXPECT_TRUE(Exists(ProgramGroupFolder() + "\\TARN.lnk"));
  EXPECT_TRUE(Exists(ProgramGroupFolder() + "\\TARN help.lnk"));
  EXPECT_EQ(FilesIn(second).size(), 12u) << "its eleven files and its desktop file";
  EXPECT_EQ(PendingList(), RestartDeletions());
}

TEST(Uninstall, AGroupWithAShortcutOfTheUsersStaysForItWithoutTheProductsItems) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole());
  const std::string group = ProgramGroupFolder();
  ASSERT_TRUE(CopyFileA((group + "\\TARN.lnk").c_str(), (group + "\\My library.lnk").c_str(), TRUE));

  UninstallRun run;
  ASSERT_TRUE(run.Started());
  EXPECT_EQ(UninstallAnswering(run, IDYES),
            "Morvane 12.3 has been removed from C:\\Program Files\\TARN.\n\n"
            "Removed: 10 program files, the registry entries, the file type \".trn\".\n\n" +
                KEPT_DESKTOP_FILE + "Kept: the program group \"TARN\", which holds shortcuts of your own.\n\n" +
                AT_RESTART);
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(FilesIn(group), std::vector<std::string>{"My library.lnk"});
}

// Yes at setup.exe's question takes ".trn" over from another program, whose own subkey stays.
TEST(Uninstall, AFileTypeTakenOverFromAnotherProgramIsGivenBack) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(SetClassesDefault(".trn", "otherfile"));
  ASSERT_TRUE(SetClassesDefault("otherfile", "Other Viewer"));
  ASSERT_TRUE(SetRegistryText(HKEY_CLASSES_ROOT, ".trn\\ShellNew", "NullFile", ""));
  ASSERT_TRUE(InstallWhole({"", IDYES}));
  EXPECT_EQ(ClassesDefault(".trn"), "trnfile");
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, PRODUCT_KEY, ".trn"), "otherfile") << "noted for the uninstaller";

  UninstallRun run;
  ASSERT_TRUE(run.Started());
  EXPECT_EQ(UninstallAnswering(run, IDYES),
            REMOVED_WHOLE + KEPT_DESKTOP_FILE +
                "The file type \".trn\" opens again with the program it opened with before.\n\n" + AT_RESTART);
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(ClassesDefault(".trn"), "otherfile");
  EXPECT_EQ(ClassesDefault("otherfile"), "Other Viewer");
  EXPECT_TRUE(RegistryKeyExists(HKEY_CLASSES_ROOT, ".trn\\ShellNew"));
  EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, "trnfile"));
}

// The deletions that the uninstaller left for the restart must not take the new installation's
// uninstaller, though the run ends on the error page: no shell answers for the group.
TEST(Uninstall, AReinstallationThatCannotMakeTheGroupStillTakesBackTheRestartDeletions) {
  {
    ProgmanHost host;
    ASSERT_TRUE(host.Ready());
    ASSERT_TRUE(InstallWhole());
    UninstallRun run;
    ASSERT_TRUE(run.Started());
    EXPECT_EQ(UninstallAnswering(run, IDYES), REMOVED_WHOLE + KEPT_DESKTOP_FILE + AT_RESTART);
    ASSERT_TRUE(run.WaitForExit());
    EXPECT_EQ(PendingList(), RestartDeletions());
  }
  InstallerSession setup(SetupPath(), MEDIUM_DISK);
  ASSERT_TRUE(ArriveAtTheGroupErrorWithoutAServer(setup));
  setup.Click(IDC_EXIT);
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(PendingList(), PendingStrings({}));
  EXPECT_EQ(ReadWholeFile(Installed("uninstal.exe")), StandIn(*ProductRow("uninstal.exe")));
}

// Installed at the root of a drive of its own, the uninstaller schedules itself alone: neither
// the root nor the drive's current directory.
TEST(Uninstall, AtADriveRootNeitherTheRootNorTheCurrentDirectoryIsScheduled) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole({"E:\\"}));
  EXPECT_EQ(UninstallCommand(), "\"E:\\\\uninstal.exe\"");

  UninstallRun run;
  ASSERT_TRUE(run.Started());
  EXPECT_EQ(UninstallAnswering(run, IDYES, "E:\\"),
            "Morvane 12.3 has been removed from E:\\.\n\n"
            "Removed: 10 program files, the program group \"TARN\", the registry entries, the file type \".trn\".\n\n" +
                KEPT_DESKTOP_FILE + "The uninstaller itself is deleted when Windows restarts.");
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(PendingList(), PendingStrings({"\\??\\E:\\uninstal.exe", ""}));
  EXPECT_EQ(FilesIn("E:\\"), (std::vector<std::string>{"TARN.DSK", "uninstal.exe"}));
}
