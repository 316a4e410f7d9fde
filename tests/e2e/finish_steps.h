// What the finish scenarios prepare and look at: the walk from the welcome page to the finish
// page with a picture of every page, the reader's setup beside a current directory of their
// own, the obsolete files, the desktop file and the pending restart operations.
#ifndef TARN_E2E_FINISH_STEPS_H
#define TARN_E2E_FINISH_STEPS_H

#include <string>
#include <vector>

#include "installer_session.h"

constexpr char FINISH_TITLE[] = "Installation complete";
constexpr char PRODUCT_IDENTITY[] = "KQZV 470 385/6 R12D";
// setup.exe runs with this current directory; the reader's setup is looked for beside it.
constexpr char MEDIUM_DISK[] = "C:\\medium\\disk";
constexpr char READER_SETUP[] = "C:\\medium\\acrobat\\rs405eng.exe";
// What our stand-in leaves when it has run.
constexpr char READER_SETUP_RAN[] = "C:\\medium\\acrobat\\rs405eng.ran";
constexpr char DESKTOP_FILE[] = "C:\\Program Files\\TARN\\TARN.DSK";
constexpr char NO_PENDING_LIST[] = "(no value)";

extern const std::vector<std::string> EARLIER_VERSION_FILES;

// setup.exe started with MEDIUM_DISK as its current directory.
std::string SetupPath();
// Puts our stand-in (TARN_READER_STANDIN) where the reader's setup belongs, or other bytes.
bool PlaceReaderSetup();
bool PlaceReaderSetup(const std::string& bytes);

// What a person may choose on the way: another destination, typed over the default; the
// answer to the question before another program's file type is taken over (0: none comes).
struct WalkChoices {
  std::string destination;
  int fileTypeAnswer = 0;
};

// From the welcome page (whose product identity is checked) to the finish page, with a
// picture of every page; the work pages are pictured as they pass. The window that the shell
// opens on the new group is closed, as a person closes it. False when the finish page does
// not come.
bool WalkToFinish(InstallerSession& setup, const WalkChoices& choices = {});

// Closes the window that the shell opens on the new group; false when none comes.
bool CloseTheGroupWindow();

// The installation folder made before the run, holding these files.
bool PrepareInstallFolder(const std::vector<std::string>& names);
bool ExistsInInstallFolder(const std::string& name);

// The pending restart operations: written before the run as these strings (each with its
// NUL) and the closing one; read back whole, or NO_PENDING_LIST.
bool SeedPendingList(const std::vector<std::string>& strings);
std::string PendingList();
std::string PendingStrings(const std::vector<std::string>& strings);
// The short path of an existing file or folder in lower case, as another program could have
// recorded it.
std::string LowerCaseShortPath(const std::string& path);

// The product's part of the registry as text (RegistryTree): its keys below the maker's, its
// uninstall entry, and the file type with the identifiers that may name it.
std::string ProductRegistry();

#endif
