// What the uninstall scenarios do and look at: a whole installation by setup.exe, uninstal.exe
// started by its registered command from another current directory and answered like a
// person answers it, and the state of the installation on disk, in the registry and in the
// Start Menu.
#ifndef TARN_E2E_UNINSTALL_STEPS_H
#define TARN_E2E_UNINSTALL_STEPS_H

#include <windows.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "copy_steps.h"
#include "finish_steps.h"

constexpr char UNINSTALL_CAPTION[] = "Uninstall";
// The question for the installation in the folder.
std::string UninstallQuestion(const std::string& folder);

// setup.exe from the welcome page to Finish, with a picture of every page.
bool InstallWhole(const WalkChoices& choices = {});

// The "UninstallString" of the product's entry, or "" without one.
std::string UninstallCommand();
// The product's uninstall entry, below HKEY_LOCAL_MACHINE.
constexpr char UNINSTALL_ENTRY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TARN 12.3";
// A path as a command line names its program: in quotes.
std::string InQuotes(const std::string& path);

class UninstallRun {
public:
  // Starts the command (the registered one unless given) with a current directory other than
  // the program's folder.
  explicit UninstallRun(const std::string& command = UninstallCommand());
  bool Started() const { return started; }
  // The next message box of the run, other than `previous`; none once the program has ended.
  HWND WaitForBox(HWND previous = nullptr) const;
  bool WaitForExit() { return process.WaitForExit(); }
  DWORD ExitCode() const { return process.ExitCode(); }

private:
  ChildProcess process;
  bool started = false;
};

// Answers the question for the folder and pictures it, then returns the final message's text
// after picturing and closing it; "" when either does not come.
std::string UninstallAnswering(UninstallRun& run, int answer, const std::string& folder = INSTALL_FOLDER);

// What an installation consists of, as far as the uninstaller deals with it.
struct InstallationState {
  std::vector<std::string> files;       // in the installation folder
  std::vector<std::string> keys;        // the product's keys that exist, with their default values
  bool group = false;                   // the Start Menu's program group
  std::string pending;                  // the pending restart operations
  bool operator==(const InstallationState& other) const;
};
InstallationState CurrentInstallation();
void PrintTo(const InstallationState& state, std::ostream* out);

// Every file of the catalogue in the folder as forged, the uninstall entry with every value that
// deployment tools read, the association and, when asked, the group's item.
void ExpectWholeInstallation(const std::string& folder = INSTALL_FOLDER, bool withGroup = true);

std::string ProgramGroupFolder();
bool Exists(const std::string& path);
std::string ClassesDefault(const std::string& key);
bool SetClassesDefault(const std::string& key, const std::string& value);

#endif
