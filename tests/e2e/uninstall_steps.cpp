#include "uninstall_steps.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <ostream>

#include "copy_steps.h"
#include "file_times.h"
#include "finish_steps.h"
#include "message_box.h"
#include "registry_text.h"
#include "resource_ids.h"
#include "screenshot_album.h"
#include "whole_file.h"

namespace {

// Another current directory than the program's, as the system's list of programs has.
constexpr char ELSEWHERE[] = "C:\\windows";

struct WatchedKey {
  HKEY root;
  const char* name;
};
const WatchedKey WATCHED_KEYS[] = {
    {HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY},
    {HKEY_LOCAL_MACHINE, "SOFTWARE\\Veltrum"},
    {HKEY_LOCAL_MACHINE, "SOFTWARE\\Veltrum\\TARN"},
    {HKEY_LOCAL_MACHINE, "SOFTWARE\\Veltrum\\TARN\\CurrentVersion"},
    {HKEY_LOCAL_MACHINE, "SOFTWARE\\Veltrum\\TARN\\CurrentVersion\\AppPaths"},
    {HKEY_CLASSES_ROOT, ".trn"},
    {HKEY_CLASSES_ROOT, "trnfile"},
    {HKEY_CLASSES_ROOT, "trnfile\\Shell\\Open\\command"},
};

// The key's default value after "=", or nothing when the key is missing.
bool ReadKey(const WatchedKey& watched, std::string& text) {
  HKEY key;
  if (RegOpenKeyExA(watched.root, watched.name, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  char value[MAX_PATH] = "";
  DWORD size = sizeof value;
  RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  text = std::string(watched.name) + "=" + value;
  return true;
}

std::string Entry(const char* name) { return RegistryText(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY, name); }
long long EntryNumber(const char* name) { return RegistryNumber(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY, name); }

} // namespace

bool InstallWhole(const WalkChoices& choices) {
  CreateDirectoryA("C:\\medium", nullptr);
  CreateDirectoryA(MEDIUM_DISK, nullptr);
  InstallerSession setup(SetupPath(), MEDIUM_DISK);
  if (!setup.Started() || !WalkToFinish(setup, choices)) return false;
  setup.Click(IDC_EXIT);
  return setup.WaitForExit();
}

std::string UninstallCommand() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY, 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
  char command[MAX_PATH] = "";
  DWORD size = sizeof command;
  DWORD type = 0;
  const LONG status =
      RegQueryValueExA(key, "UninstallString", nullptr, &type, reinterpret_cast<BYTE*>(command), &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS && type == REG_SZ ? command : "";
}

UninstallRun::UninstallRun(const std::string& command) {
  started = !command.empty() && process.StartCommand(command, ELSEWHERE);
}

HWND UninstallRun::WaitForBox(HWND previous) const {
  // The first box is the new process's first window.
  return WaitForMessageBox(process, UNINSTALL_CAPTION, previous,
                           previous == nullptr ? START_WAIT_BOUND_MS : DEFAULT_WAIT_BOUND_MS);
}

std::string UninstallQuestion(const std::string& folder) {
  return "Do you want to remove Morvane 12.3 from " + folder +
         "?\n\nIts program files, program group and registry entries are removed. TARN.DSK and files of your own "
         "in the folder are kept.";
}

std::string UninstallAnswering(UninstallRun& run, int answer, const std::string& folder) {
  HWND question = run.WaitForBox();
  if (question == nullptr || MessageBoxText(question) != UninstallQuestion(folder)) return "";
  AddToAlbum(question, answer == IDYES ? "question answered Yes" : "question answered No");
  AnswerMessageBox(question, answer);
  HWND report = run.WaitForBox(question);
  if (report == nullptr) return "";
  AddToAlbum(report, "final message");
  const std::string text = MessageBoxText(report);
  AnswerMessageBox(report, IDOK);
  return text;
}

std::string InQuotes(const std::string& path) { return "\"" + path + "\""; }

void ExpectWholeInstallation(const std::string& folder, bool withGroup) {
  const auto installed = [&](const char* name) { return folder + "\\" + name; };
  long long kilobytes = 0;
  for (const char* name : {"uninstal.exe", "rtwin32.dll", "tarn.exe", "tarn.chm", "tarn.hlp", "tarn.cnt",
                           "rtunzip32.dll", "trniconn.xpt", "rtzip32.dll", "tarnsyst.trn", "unicows.dll"}) {
    const std::string content = ReadWholeFile(installed(name));
    EXPECT_EQ(content, StandIn(*ProductRow(name))) << name;
    kilobytes += static_cast<long long>((content.size() + 1023) / 1024);
  }
  EXPECT_TRUE(IsRecentLocalDate(Entry("InstallDate"))) << Entry("InstallDate");
  EXPECT_EQ(Entry("DisplayName"), "Morvane 12.3");
  EXPECT_EQ(Entry("DisplayVersion"), "12.3");
  EXPECT_EQ(Entry("Publisher"), "Veltrum");
  EXPECT_EQ(Entry("InstallLocation"), folder);
  EXPECT_EQ(Entry("DisplayIcon"), installed("tarn.exe") + ",0");
  EXPECT_EQ(EntryNumber("EstimatedSize"), kilobytes) << "each file rounded up to whole kilobytes";
  EXPECT_EQ(EntryNumber("NoModify"), 1);
  EXPECT_EQ(EntryNumber("NoRepair"), 1);
  // Command lines name their programs in quotes: unquoted, "C:\Program.exe" would be tried first.
  EXPECT_EQ(UninstallCommand(), InQuotes(installed("uninstal.exe")));
  EXPECT_EQ(Entry("QuietUninstallString"), InQuotes(installed("uninstal.exe")) + " /S");
  EXPECT_EQ(ClassesDefault(".trn"), "trnfile");
  EXPECT_EQ(ClassesDefault("trnfile\\Shell\\Open\\command"), InQuotes(installed("tarn.exe")) + " \"%1\"");
  if (withGroup) {
    EXPECT_TRUE(Exists(ProgramGroupFolder() + "\\TARN.lnk"));
  }
}

bool InstallationState::operator==(const InstallationState& other) const {
  return files == other.files && keys == other.keys && group == other.group && pending == other.pending;
}

InstallationState CurrentInstallation() {
  InstallationState state;
  state.files = FilesIn(INSTALL_FOLDER);
  for (const WatchedKey& watched : WATCHED_KEYS) {
    std::string text;
    if (ReadKey(watched, text)) state.keys.push_back(text);
  }
  state.group = Exists(ProgramGroupFolder());
  state.pending = PendingList();
  return state;
}

void PrintTo(const InstallationState& state, std::ostream* out) {
  *out << "files:";
  for (const std::string& name : state.files) *out << " " << name;
  *out << "\nkeys:";
  for (const std::string& key : state.keys) *out << "\n  " << key;
  *out << "\ngroup: " << (state.group ? "yes" : "no") << "\npending:";
  for (char c : state.pending) *out << (c == '\0' ? std::string("|") : std::string(1, c));
}

std::string ProgramGroupFolder() {
  char programs[MAX_PATH];
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs))) return "";
  return std::string(programs) + "\\TARN";
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ClassesDefault(const std::string& key) {
  char value[MAX_PATH] = "";
  LONG size = sizeof value;
  if (RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), value, &size) != ERROR_SUCCESS) return "(no key)";
  return value;
}

bool SetClassesDefault(const std::string& key, const std::string& value) {
  return RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(), static_cast<DWORD>(value.size())) ==
         ERROR_SUCCESS;
}
