// uninstal.exe: removes what setup.exe put down, from the folder it runs from, after asking
// once; keeps what may hold the user's own data; ends by saying what it did and why. Like
// setup.exe it carries no C runtime and imports only system DLLs.
#include <windows.h>

#include "file_removal.h"
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

// What of this installation is still there: what points into another folder is not counted.
bool AnythingInstalled(const Installation& installation) {
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
  if (!unfinished) ScheduleRestartDeletion(installation, report);
}

// Started from the system's list of programs, the uninstaller has no window of its own: its
// messages must not open behind the windows already there (a shell folder, the list itself).
int Tell(const char* text, UINT icon) {
  return MessageBoxA(nullptr, text, CAPTION, icon | MB_SETFOREGROUND | MB_TOPMOST);
}

void Uninstall(const Installation& installation, char* message) {
  const ProductWords words{PRODUCT_DISPLAY_NAME, installation.folder,     ProductGroupName(),
                           productFileTypes[0].extension, DESKTOP_FILE_NAME, installation.program};
  if (!AnythingInstalled(installation)) {
    if (ComposeNothingToRemove(words, message, MESSAGE_CAPACITY)) Tell(message, MB_OK | MB_ICONINFORMATION);
    return;
  }
  if (!ComposeQuestion(words, message, MESSAGE_CAPACITY) || Tell(message, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  RemovalReport report;
  Remove(installation, report);
  if (ComposeReport(words, report, message, MESSAGE_CAPACITY)) Tell(message, MB_OK | MB_ICONINFORMATION);
}

UINT RunUninstaller() {
  Installation installation;
  // The message is too large for a frame of a program without stack probes.
  auto* message = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, MESSAGE_CAPACITY));
  if (message == nullptr || !FindInstallation(installation)) {
    Tell("The uninstaller cannot tell which folder it runs from. Nothing was changed.", MB_OK | MB_ICONSTOP);
    if (message != nullptr) HeapFree(GetProcessHeap(), 0, message);
    return 1;
  }
  Uninstall(installation, message);
  HeapFree(GetProcessHeap(), 0, message);
  return 0;
}

} // namespace

extern "C" void WinMainCRTStartup() { ExitProcess(RunUninstaller()); }
