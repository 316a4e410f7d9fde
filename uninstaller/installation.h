// The installation that the uninstaller removes: the folder it runs from, as setup.exe put it
// down, read through the same product tables.
#ifndef TARN_UNINSTALLER_INSTALLATION_H
#define TARN_UNINSTALLER_INSTALLATION_H

#include "core/file_rules.h"

struct Installation {
  char program[PATH_CAPACITY]; // the running uninstaller
  char folder[PATH_CAPACITY];
  const char* programName;     // its name, within program
};

// False when the program's own path cannot be had.
bool FindInstallation(Installation& installation);

// The folder joined with a name; false when it does not fit.
bool InFolder(const Installation& installation, const char* name, char* path);

bool ExistsPath(const char* path);

#endif
