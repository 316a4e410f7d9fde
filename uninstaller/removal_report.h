// The uninstaller's words to the user: its question, and what one run removed and kept, and why.
#ifndef TARN_UNINSTALLER_REMOVAL_REPORT_H
#define TARN_UNINSTALLER_REMOVAL_REPORT_H

#include <cstddef>

#include "name_list.h"

enum class GroupOutcome { REMOVED, ABSENT, NO_SHELL };
enum class AssociationOutcome { REMOVED, ABSENT, OTHER_PROGRAM };

struct ProductWords {
  const char* displayName; // "Morvane 12.3"
  const char* folder;      // the installation's folder
  const char* groupName;
  const char* extension;   // of the document type, without its dot
  const char* desktopFile; // kept with the user's settings
};

struct RemovalReport {
  unsigned filesRemoved = 0;
  NameList held;  // files of the product that another program holds open
  NameList kept;  // every other file left in the folder: the desktop file, the user's own
  GroupOutcome group = GroupOutcome::ABSENT;
  AssociationOutcome association = AssociationOutcome::ABSENT;
  bool keysRemoved = false;
  bool restartScheduled = false; // the uninstaller and the folder are deleted at restart
  bool folderAtRestart = false;  // the folder is empty already, so it goes for certain
};

// Each writes the whole text into out; false, out empty, when it does not fit.
bool ComposeQuestion(const ProductWords& product, char* out, size_t capacity);
bool ComposeNothingToRemove(const ProductWords& product, char* out, size_t capacity);
bool ComposeReport(const ProductWords& product, const RemovalReport& report, char* out, size_t capacity);

#endif
