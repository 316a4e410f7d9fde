// uninstal.exe: removes what setup.exe put down, from the folder it runs from, after asking
// once; keeps what may hold the user's own data; ends by saying what it did and why. With /S
// it asks and shows nothing, and its exit code says how it ended; /LOG= writes what it says to
// a file. Like setup.exe it carries no C runtime and imports only system DLLs.
#include <windows.h>

#include "core/bounded_text.h"
#include "core/command_line.h"
#include "core/run_log.h"
#include "core/system_libraries.h"
#include "file_removal.h"
#include "finish/run_end.h"
#include "group_removal.h"
#include "installation.h"
#include "registry_removal.h"
#include "removal_report.h"
#include "restart_deletion.h"
#include "wizard/product.h"

namespace {

const char CAPTION[] = "Uninstall";
// Room for every list of names the report can hold at once, each at its full length.
constexpr size_t MESSAGE_CAPACITY = 8192;

CommandLine options;

// What of this installation is still there: what points into another folder is not counted,
// and nothing at all in a folder that setup.exe did not install into (a copy of the
// uninstaller in Downloads would otherwise delete the user's copies of the product's files).
bool AnythingInstalled(const Installation& installation) {
  if (!InstalledHereBySetup(installation)) return false;
  return ProductFilesPresent(installation) || ProductKeysOurs(installation) || AssociationsOurs(installation) ||
         GroupItemsOurs(installation);
}

// The program itself, then the folder: at restart the platform removes the folder only when
// it is empty by then, so kept files keep it. A root is never scheduled.
void ScheduleRestartDeletion(const Installation& installation, RemovalReport& report) {
  const char* paths[] = {installation.program, installation.folder};
  report.folderAtRestart = !installation.atRoot;
  report.restartScheduled = DeleteAtRestart(paths, installation.atRoot ? 1 : 2);
  report.restartFailed = !report.restartScheduled;
}

void Remove(const Installation& installation, RemovalReport& report) {
  RemoveProductFiles(installation, report);
  report.group = RemoveProgramGroup(installation);
  RemoveAssociations(installation, report);
  // While a file could still go, the entry stays so that the uninstaller can be started again.
  const bool unfinished = report.Unfinished();
  RemoveProductKeys(installation, unfinished, report);
  report.folderEmpty = ListKeptFiles(installation, report);
  if (unfinished) return;
  ScheduleRestartDeletion(installation, report);
  ForgetInstalledFolder(installation);
}

// Started from the system's list of programs, the uninstaller has no window of its own: its
// messages must not open behind the windows already there (a shell folder, the list itself).
int Ask(const char* text, UINT icon) { return MessageBoxA(nullptr, text, CAPTION, icon | MB_SETFOREGROUND | MB_TOPMOST); }

// Writes the text to the log a paragraph a line, line breaks inside a paragraph as spaces. The
// text is changed on the way.
void LogParagraphs(char* text) {
  char* line = text;
  for (char* at = text;; ++at) {
    if (*at == '\0' || (at[0] == '\n' && at[1] == '\n')) {
      const bool end = *at == '\0';
      *at = '\0';
      if (*line != '\0') LogLine(line);
      if (end) return;
      line = ++at + 1;
    } else if (*at == '\n') {
      *at = ' ';
    }
  }
}

// Says what the run did: in a message box unless unattended, and in the log.
void Tell(char* text, UINT icon) {
  if (!options.Has(SWITCH_UNATTENDED)) Ask(text, icon | MB_OK);
  LogParagraphs(text);
}

UINT Uninstall(const Installation& installation, char* message) {
  const ProductWords words{PRODUCT_DISPLAY_NAME, installation.folder,     ProductGroupName(),
                           productFileTypes[0].extension, DESKTOP_FILE_NAME, installation.program};
  if (!AnythingInstalled(installation)) {
    if (ComposeNothingToRemove(words, message, MESSAGE_CAPACITY)) Tell(message, MB_ICONINFORMATION);
    return UNINSTALL_NOTHING_INSTALLED;
  }
  // A person who answers No has changed nothing, as was asked.
  if (!options.Has(SWITCH_UNATTENDED) &&
      (!ComposeQuestion(words, message, MESSAGE_CAPACITY) || Ask(message, MB_YESNO | MB_ICONQUESTION) != IDYES))
    return UNINSTALL_COMPLETE;
  RemovalReport report;
  Remove(installation, report);
  if (ComposeReport(words, report, message, MESSAGE_CAPACITY)) Tell(message, MB_ICONINFORMATION);
  return ExitCodeOf(report);
}

// Nothing is removed on a line that may have meant something else.
UINT RefuseCommandLine(char* message) {
  TextWriter writer(message, MESSAGE_CAPACITY);
  writer << "The command line is not understood: " << options.notUnderstood
         << "\n\nThe uninstaller takes /S to remove unattended and /LOG=file. Nothing was changed.";
  if (writer.Finish()) Tell(message, MB_ICONSTOP);
  return UNINSTALL_COMMAND_LINE;
}

UINT RunUninstaller() {
  const bool understood = ReadCommandLine(GetCommandLineA(), SWITCH_UNATTENDED | SWITCH_LOG, options);
  // The message is too large for a frame of a program without stack probes. Without it nothing
  // can be said, as when the folder is unknown.
  auto* message = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, MESSAGE_CAPACITY));
  if (message == nullptr) return UNINSTALL_FOLDER_UNKNOWN;
  OpenRunLog(options.logPath);
  Installation installation;
  UINT code = UNINSTALL_FOLDER_UNKNOWN;
  if (!understood) {
    code = RefuseCommandLine(message);
  } else if (FindInstallation(installation)) {
    // A run of setup.exe that was killed is undone first: it put back what was there before.
    // Where that run had put this program down, the running program cannot delete itself:
    // with nothing else left, it goes at the next restart, as after an uninstallation.
    const bool putDownByTheRun = RunCreated(RUN_RECORD_KEY, installation.program);
    EndRecordedRun(RUN_RECORD_KEY, UNDO_RUN);
    code = Uninstall(installation, message);
    if (putDownByTheRun && code == UNINSTALL_NOTHING_INSTALLED) {
      RemovalReport report;
      ScheduleRestartDeletion(installation, report);
    }
  } else {
    CopyBounded(message, MESSAGE_CAPACITY, "The uninstaller cannot tell which folder it runs from. Nothing was changed.");
    Tell(message, MB_ICONSTOP);
  }
  HeapFree(GetProcessHeap(), 0, message);
  CloseRunLog();
  return code;
}

} // namespace

extern "C" void WinMainCRTStartup() {
  KeepLibrarySearchToTheSystem(GetModuleHandleA("KERNEL32"));
  ExitProcess(RunUninstaller());
}
