#include "finish_steps.h"

#include <windows.h>

#include <cstdio>
#include <set>

#include "copy_steps.h"
#include "destination_steps.h"
#include "held_still.h"
#include "input.h"
#include "message_box.h"
#include "registry_text.h"
#include "resource_ids.h"
#include "screenshot_album.h"
#include "test_environment.h"
#include "wait.h"
#include "whole_file.h"
#include "window_query.h"
#include "wizard_steps.h"

const std::vector<std::string> EARLIER_VERSION_FILES = {"rtunzp32x.dll", "rtw243a32.dll", "rtw251a32.dll",
                                                 "rtw256a32.dll", "rtw258a32.dll", "tarnunst.exe"};

namespace {

constexpr char READER_STANDIN_VARIABLE[] = "TARN_READER_STANDIN";
constexpr char ICONS_TITLE[] = "Installing icons";
constexpr char GROUP_WINDOW_TITLE[] = "TARN"; // the group's name
constexpr char SHELL_FOLDER_CLASS[] = "ExplorerWClass";
constexpr char SESSION_MANAGER[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr char PENDING_VALUE[] = "PendingFileRenameOperations";

// The text kept with a window of another program, read without asking the program, which may
// be held still (the title statics have no text but that).
std::string StoredCaption(HWND window) {
  char text[256];
  const int length = GetWindowTextA(window, text, sizeof text);
  return std::string(text, length > 0 ? length : 0);
}

} // namespace

// Wine's shell opens the new group's folder in a window of its own, in a process of its own,
// which comes up over the wizard whenever it is ready, even after the wizard has taken the
// foreground back. A person closes it and turns to the wizard; so does the walk, so that no
// click meant for the finish page lands on it.
bool CloseTheGroupWindow() {
  HWND window = nullptr;
  if (!WaitUntil([&] { return (window = FindWindowA(SHELL_FOLDER_CLASS, GROUP_WINDOW_TITLE)) != nullptr; })) {
    std::printf("the shell opened no window for the group \"%s\"\n", GROUP_WINDOW_TITLE);
    return false;
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  return WaitUntil([&] { return !IsWindow(window); });
}

namespace {

// Pictures each page as it shows, the program held still meanwhile so that none can move on
// in between, until the finish page or the error page; the finish page once it has painted,
// with the group's window closed and the wizard in front.
bool PictureWorkPagesUntilFinish(InstallerSession& setup) {
  std::set<std::string> pictured{COPY_TITLE}; // with its full bar already
  std::string title;
  const bool arrived = WaitUntil([&] {
    HeldStill held(setup.ProcessId());
    if (!held.Holding()) return true;
    HWND page = FindVisibleChildDialog(setup.Frame());
    title = page == nullptr ? "" : StoredCaption(GetDlgItem(page, IDC_PAGE_TITLE));
    if (title == FINISH_TITLE || title == ERROR_TITLE) return true;
    if (!title.empty() && pictured.insert(title).second) AddToAlbumAsShown(setup.Frame(), title);
    return false;
  });
  // Each work page stays for its pause; one passed unseen only on a machine far too busy.
  for (const char* page : {REGISTRY_TITLE, ICONS_TITLE})
    if (pictured.count(page) == 0) std::printf("the page \"%s\" passed before it could be pictured\n", page);
  if (title != FINISH_TITLE) std::printf("the walk ended on the page \"%s\"\n", title.c_str());
  return arrived && title == FINISH_TITLE && CloseTheGroupWindow() && BringToForeground(setup.Frame()) &&
         setup.Screenshot();
}

} // namespace

std::string SetupPath() { return WindowsPathFromEnvironment(SETUP_EXECUTABLE_VARIABLE); }

bool PlaceReaderSetup(const std::string& bytes) {
  CreateDirectoryA("C:\\medium", nullptr);
  CreateDirectoryA(MEDIUM_DISK, nullptr);
  CreateDirectoryA("C:\\medium\\acrobat", nullptr);
  return WriteWholeFile(READER_SETUP, bytes);
}

bool PlaceReaderSetup() { return PlaceReaderSetup(ReadWholeFile(WindowsPathFromEnvironment(READER_STANDIN_VARIABLE))); }

bool WalkToFinish(InstallerSession& setup, const WalkChoices& choices) {
  if (!setup.WaitForPageTitle(WELCOME_TITLE) || setup.PageText(IDC_PRODUCT_IDENTITY) != PRODUCT_IDENTITY) return false;
  const bool atSummary =
      choices.destination.empty()
          ? WalkTo(setup, SUMMARY_TITLE)
          : WalkTo(setup, DESTINATION_TITLE) && TypeDestination(setup, choices.destination) &&
                ClickAndArriveAt(setup, IDC_NEXT, SUMMARY_TITLE);
  if (!atSummary || !ArriveAtTheFullBar(setup)) return false;
  if (choices.fileTypeAnswer != 0) {
    HWND question = setup.WaitForMessageBox(FRAME_CAPTION);
    if (question == nullptr || !AddToAlbum(question, "file type question")) return false;
    AnswerMessageBox(question, choices.fileTypeAnswer);
  }
  return PictureWorkPagesUntilFinish(setup);
}

bool PrepareInstallFolder(const std::vector<std::string>& names) {
  CreateDirectoryA(INSTALL_FOLDER, nullptr);
  for (const std::string& name : names)
    if (!WriteWholeFile(std::string(INSTALL_FOLDER) + "\\" + name, "left by an earlier version: " + name)) return false;
  return true;
}

bool ExistsInInstallFolder(const std::string& name) {
  return GetFileAttributesA((std::string(INSTALL_FOLDER) + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string PendingStrings(const std::vector<std::string>& strings) {
  std::string list;
  for (const std::string& text : strings) list += text + '\0';
  return list + '\0';
}

bool SeedPendingList(const std::vector<std::string>& strings) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SESSION_MANAGER, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return false;
  const std::string list = PendingStrings(strings);
  const bool written = RegSetValueExA(key, PENDING_VALUE, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(list.data()),
                                      static_cast<DWORD>(list.size())) == ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}

std::string PendingList() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SESSION_MANAGER, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return NO_PENDING_LIST;
  char data[4096];
  DWORD size = sizeof data;
  DWORD type = 0;
  const LONG status = RegQueryValueExA(key, PENDING_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return NO_PENDING_LIST;
  return type == REG_MULTI_SZ ? std::string(data, size) : "(another type)";
}

std::string LowerCaseShortPath(const std::string& path) {
  char shortPath[MAX_PATH];
  const DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
  if (length == 0 || length >= sizeof shortPath) return "(no short path)";
  std::string lower(shortPath, length);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

std::string ProductRegistry() {
  return RegistryTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Veltrum") +
         RegistryTree(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TARN 12.3") +
         RegistryTree(HKEY_CLASSES_ROOT, ".trn") + RegistryTree(HKEY_CLASSES_ROOT, "trnfile") +
         RegistryTree(HKEY_CLASSES_ROOT, "otherfile");
}
