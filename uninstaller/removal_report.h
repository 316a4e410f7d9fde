// The uninstaller's words to the user: its question, and what one run removed and kept, and why.
#ifndef TARN_UNINSTALLER_REMOVAL_REPORT_H
#define TARN_UNINSTALLER_REMOVAL_REPORT_H

#include <cstddef>

#include "name_list.h"

enum class GroupOutcome {
  ABSENT,
  REMOVED,
  USERS_ITEMS,    // the product's items went; the group stays for the user's own
  ANOTHER_FOLDER, // its items start another installation: left alone
  FAILED,         // the Programs folder is unknown, or an item could not be deleted
};
enum class AssociationOutcome {
  ABSENT,
  REMOVED,
  GIVEN_BACK,     // to the type the extension named before the product took it over
  OTHER_PROGRAM,  // the extension names another program's type now
  ANOTHER_FOLDER, // the product's type opens another installation's program
};

struct ProductWords {
  const char* displayName; // "Morvane 12.3"
  const char* folder;      // the installation's folder
  const char* groupName;
  const char* extension;   // of the document type, without its dot
  const char* desktopFile; // kept with the user's settings
  const char* program;     // the running uninstaller's path
};

struct RemovalReport {
  unsigned filesRemoved = 0;
  NameList changed;  // files of the product changed since they were installed: the user's work
  NameList held;     // files of the product that another program holds open
  NameList refused;  // files of the product that are read-only or may not be deleted
  NameList kept;     // every other file left in the folder: the desktop file, the user's own
  NameList keysLeft; // registry keys of this installation that could not be deleted
  GroupOutcome group = GroupOutcome::ABSENT;
  AssociationOutcome association = AssociationOutcome::ABSENT;
  bool keysRemoved = false;
  bool entryElsewhere = false;    // the uninstall entry starts another installation's uninstaller
  bool productElsewhere = false;  // the product's keys name another installation
  bool restartScheduled = false;  // the uninstaller (and the folder, unless a root) go at restart
  bool restartFailed = false;     // that could not be arranged
  bool folderAtRestart = false;   // the folder is scheduled too
  bool folderEmpty = false;       // and empty already, so it goes for certain

  // Files of the product that are still there for a reason that a second run can overcome.
  bool Unfinished() const { return !held.Empty() || !refused.Empty(); }
};

// The uninstaller's exit codes, which deployment tools read.
enum UninstallExitCode : unsigned {
  UNINSTALL_COMPLETE = 0,      // everything of the installation went (the user's own files stay)
  UNINSTALL_FOLDER_UNKNOWN = 1,
  UNINSTALL_KEPT = 2,          // kept on purpose: changed files, what belongs to another installation or program
  UNINSTALL_UNFINISHED = 3,    // what could not be removed now (held, refused, locked keys): run again
  UNINSTALL_NOTHING_INSTALLED = 4,
  UNINSTALL_COMMAND_LINE = 15, // as setup.exe's
};

// What a removal ends with: what must be run again outweighs what was kept on purpose.
UninstallExitCode ExitCodeOf(const RemovalReport& report);

// Each writes the whole text into out; false, out empty, when it does not fit.
bool ComposeQuestion(const ProductWords& product, char* out, size_t capacity);
bool ComposeNothingToRemove(const ProductWords& product, char* out, size_t capacity);
bool ComposeReport(const ProductWords& product, const RemovalReport& report, char* out, size_t capacity);

#endif
