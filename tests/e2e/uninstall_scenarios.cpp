// uninstal.exe after a whole installation by setup.exe, started by the command of the
// product's uninstall entry: what goes, what stays and why it says so; setup.exe over what is
// left; No at the question; a second run; another program's file type; a file held open.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "copy_steps.h"
#include "file_lock.h"
#include "finish_steps.h"
#include "message_box.h"
#include "progman_host.h"
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

std::string Installed(const std::string& name) { return std::string(INSTALL_FOLDER) + "\\" + name; }
std::string Pending(const std::string& path) { return "\\??\\" + path; }

// The two deletions that the uninstaller leaves for the next restart.
std::string RestartDeletions() {
  return PendingStrings({Pending(Installed("uninstal.exe")), "", Pending(INSTALL_FOLDER), ""});
}

// Every file of the catalogue at its size, the keys, the association and the group.
void ExpectWholeInstallation() {
  for (const char* name : {"uninstal.exe", "rtwin32.dll", "tarn.exe", "tarn.chm", "tarn.hlp", "tarn.cnt",
                           "rtunzip32.dll", "trniconn.xpt", "rtzip32.dll", "tarnsyst.trn", "unicows.dll"})
    EXPECT_EQ(ReadWholeFile(Installed(name)), StandIn(*ProductRow(name))) << name;
  EXPECT_EQ(UninstallCommand(), Installed("uninstal.exe"));
  EXPECT_EQ(ClassesDefault(".trn"), "trnfile");
  EXPECT_EQ(ClassesDefault("trnfile\\Shell\\Open\\command"), Installed("tarn.exe") + " \"%1\"");
  EXPECT_TRUE(Exists(ProgramGroupFolder() + "\\TARN.lnk"));
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
  EXPECT_EQ(MessageBoxText(question), UNINSTALL_QUESTION);
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
  EXPECT_EQ(UninstallCommand(), Installed("uninstal.exe")) << "kept for the second run";
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

// Windows 98 as Wine reports it to the uninstaller alone; setup.exe installed as on NT.
bool ReportWindows98ToTheUninstaller() {
  HKEY key;
  if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\uninstal.exe", &key) != ERROR_SUCCESS) return false;
  const bool set = RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("win98"), 6) == ERROR_SUCCESS;
  RegCloseKey(key);
  return set;
}

} // namespace

TEST(Uninstall, OnWindows98TheRestartDeletionsGoToWininitIni) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole());
  ASSERT_TRUE(WriteWholeFile(WININIT, "[boot]\r\nshell=explorer.exe\r\n"));
  ASSERT_TRUE(ReportWindows98ToTheUninstaller());
  const std::string program = LowerCaseShortPath(Installed("uninstal.exe"));
  const std::string folder = LowerCaseShortPath(INSTALL_FOLDER);

  UninstallRun run;
  ASSERT_TRUE(run.Started());
  EXPECT_EQ(UninstallAnswering(run, IDYES), REMOVED_WHOLE + KEPT_DESKTOP_FILE + AT_RESTART);
  ASSERT_TRUE(run.WaitForExit());
  std::string wininit = ReadWholeFile(WININIT);
  for (char& c : wininit)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  EXPECT_EQ(wininit, "[boot]\r\nshell=explorer.exe\r\n[rename]\r\nnul=" + program + "\r\nnul=" + folder + "\r\n");
  EXPECT_EQ(PendingList(), NO_PENDING_LIST);
}
