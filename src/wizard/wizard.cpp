#include "wizard/wizard.h"

#include "core/frame.h"
#include "core/install_state.h"
#include "core/page_walk.h"
#include "core/run_log.h"
#include "core/unattended.h"
#include "destination/destination_pages.h"
#include "destination/directories.h"
#include "finish/finish.h"
#include "finish/run_end.h"
#include "payload/copy_page.h"
#include "progman/icons_page.h"
#include "registration/registry_page.h"
#include "registration/registry_values.h"
#include "resource_ids.h"
#include "wizard/product.h"

namespace {

const char UNDONE[] TARN_WITH_CODE = "Undone";
const char UNDONE_WHAT[] TARN_WITH_CODE = "every file, folder and registry key this run had changed";

// The uninstaller removes files only from a folder that setup.exe put every file in.
void NoteInstalledFolder() {
  HKEY key;
  if (RegCreateKeyA(HKEY_LOCAL_MACHINE, INSTALLED_FOLDERS_KEY, &key) != ERROR_SUCCESS) return;
  SetNamedText(key, GetDestinationDirectory(), "");
  RegCloseKey(key);
}

constexpr int SETUP_SWITCHES = SWITCH_UNATTENDED | SWITCH_LOG | SWITCH_TAKE_OVER | SWITCH_DESTINATION;

INT_PTR CALLBACK WelcomePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetDlgItemTextA(page, IDC_PRODUCT_IDENTITY, PRODUCT_IDENTITY);
  return DefaultPageProc(page, message, wParam, lParam);
}

// The components are chosen on the welcome page, and the platform note is passed over.
int LeaveWelcome() {
  if (installState.programChosen) SelectComponent(installState.catalogue, COMPONENT_PROGRAM, ROW_SELECTED);
  if (installState.databaseChosen) SelectComponent(installState.catalogue, COMPONENT_DATABASE, ROW_SELECTED);
  ChangePageSequence(installState.pageSequence, PAGE_PLATFORM_NOTE, 0);
  return LEAVE_GO_ON;
}

// The directory is made, or the page comes again from its second template; the replace page
// is in the walk exactly when an old installation is there.
int LeaveDestination() {
  const char* destination = GetDestinationDirectory();
  // Before the first change: a run that was killed is undone, and so are the directories of
  // an earlier visit to this page.
  EndRecordedRun(RUN_RECORD_KEY, UNDO_RUN);
  if (!MakeDestinationDirectory()) {
    if (ShowsWindows()) return LEAVE_RETRY_PAGE;
    // Nobody can type another path: the run ends on the copy's own failure for a directory.
    Fail(FAILURE_CANNOT_CREATE_DIRECTORY, destination);
    ShowErrorPage();
    return LEAVE_STAY;
  }
  LogLine("Destination", destination);
  ChangePageSequence(installState.pageSequence, PAGE_REPLACE, OldInstallationFound());
  return LEAVE_GO_ON;
}

// The files and the registry are in place: an error, an Abort or a kill from here on keeps
// them, and a second run makes the group. The record goes now, so that nothing can undo them
// later.
void EnterIcons() {
  installState.registryDone = 1;
  EndRecordedRun(RUN_RECORD_KEY, COMPLETE_RUN);
  NoteInstalledFolder();
}

// Before the last page is made: obsolete files, the desktop file, the pending restart
// operations on the installed files.
void EnterFinish() { FinishInstallation(installState.failure.code); }

const PageRow PAGES[PAGE_COUNT] TARN_WITH_CODE = {
    {"INTRODLG", nullptr, WelcomePageProc, nullptr, LeaveWelcome, 0, 0},
    {"OS32DLG", nullptr, DefaultPageProc, nullptr, nullptr, 0, 0},
    // Its free-space test sets Back and Next.
    {"DESTDIRDLG1", "DESTDIRDLG2", DestinationPageProc, nullptr, LeaveDestination, 0, 1},
    {"REPLACEDLG", nullptr, ReplacePageProc, nullptr, nullptr, 0, 0},
    {"STARTDLG", nullptr, DefaultPageProc, nullptr, nullptr, 0, 0},
    {"COPYFILESDLG", nullptr, CopyPageProc, nullptr, nullptr, 500, 0},
    {"REGISTRYDLG", nullptr, RegistryPageProc, nullptr, nullptr, 400, 0},
    {"NEWICONDLG", nullptr, IconsPageProc, EnterIcons, nullptr, 500, 0},
    {"READYDLG", nullptr, FinishPageProc, EnterFinish, nullptr, 0, 0},
};

// A constant record that FillCatalogue copies whole: one block copy takes less code in setup.exe
// than a store for each field.
const Catalogue PRODUCT_CATALOGUE TARN_WITH_CODE = {
    .pages = PAGES,
    .pageCount = PAGE_COUNT,
    .firstWorkPage = PAGE_COPY,
    .platformFlags = PRODUCT_PLATFORM_FLAGS,
    .stampDay = PRODUCT_STAMP_DAY,
    .stampMonth = PRODUCT_STAMP_MONTH,
    .stampYear = PRODUCT_STAMP_YEAR,
    .files = productFiles,
    .registryEntries = productRegistryEntries,
    .version = PRODUCT_VERSION,
    .productNumber = PRODUCT_NUMBER,
    .productKey = PRODUCT_KEY,
    .productName = PRODUCT_NAME,
    .displayName = PRODUCT_DISPLAY_NAME,
    .makerKey = MAKER_KEY,
    .programFilesFolder = PRODUCT_SHORT_NAME,
    .sharedFolder = nullptr, // no shared-files directory
    .sharedName = nullptr,
    .programFile = PROGRAM_FILE,
    .uninstallerName = UNINSTALLER_NAME,
    .runRecordKey = RUN_RECORD_KEY,
    .helpCaption = HELP_CAPTION,
    .compiledHelpFile = COMPILED_HELP_FILE,
    .readerSetupPath = READER_SETUP_PATH,
    .desktopFileName = DESKTOP_FILE_NAME,
    .desktopName = DESKTOP_NAME,
    .desktopVersion = DESKTOP_VERSION,
    .obsoleteFiles = OBSOLETE_FILES,
    .restartGuardedFiles = RESTART_GUARDED_FILES,
    .directories = productDirectories,
    .groupItems = productGroupItems,
    .groupItemDeletions = nullptr,
    .fileTypes = productFileTypes,
    .sharedChoiceRows = nullptr,
    .auxiliaryRows = nullptr,
    .uninstallEntries = nullptr,
};

} // namespace

void FillCatalogue(Catalogue& catalogue) { catalogue = PRODUCT_CATALOGUE; }

void StartWizard() {
  Catalogue& catalogue = installState.catalogue;
  FillCatalogue(catalogue);
  installState.databaseChosen = 1;
  installState.programChosen = 1;
  SetDefaultDestination(catalogue.programFilesFolder);
  if (installState.commandLine.destination[0] != '\0') StoreDestinationDirectory(installState.commandLine.destination);
  SetSharedDirectory(catalogue.sharedFolder, catalogue.sharedName);
  StartPageWalk();
}

int RunInstaller(HINSTANCE instance) {
  ResetInstallState(instance);
  CommandLine& options = installState.commandLine;
  const bool understood = ReadCommandLine(GetCommandLineA(), SETUP_SWITCHES, options);
  OpenRunLog(options.logPath);
  // Nothing is installed on a line that may have meant something else.
  if (understood)
    RunFrame(StartWizard);
  else
    Fail(FAILURE_COMMAND_LINE, options.notUnderstood);
  // Once the files and the registry are in place, no restart operation of earlier days may delete what the run
  // installed, however it ended (a completed run took them back in its finishing step
  // already). Before that, the run is undone and they are as they were.
  bool undone = false;
  if (installState.registryDone)
    TakeBackRestartOperations();
  else
    undone = EndRecordedRun(RUN_RECORD_KEY, UNDO_RUN);
  const int code = installState.failure.code;
  if (code != NO_FAILURE) {
    char message[MESSAGE_CAPACITY];
    FormatFailureMessage(message);
    char error[16];
    wsprintfA(error, "Error %d", code);
    LogLine(error, message);
    // Only this failure has no page of its own to show it on.
    if (code == FAILURE_COMMAND_LINE && ShowsWindows())
      MessageBoxA(nullptr, message, "Install", MB_OK | MB_ICONSTOP);
  }
  if (undone) LogLine(UNDONE, UNDONE_WHAT);
  CloseRunLog();
  return code;
}
