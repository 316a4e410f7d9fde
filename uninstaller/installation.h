// The installation that the uninstaller removes: the folder it runs from, as setup.exe put it
// down, read through the same product tables; and whether what the registry and the Start
// Menu name belongs to it, that is, points into that folder.
#ifndef TARN_UNINSTALLER_INSTALLATION_H
#define TARN_UNINSTALLER_INSTALLATION_H

#include "core/file_rules.h"

struct Installation {
  char program[PATH_CAPACITY]; // the running uninstaller
  char folder[PATH_CAPACITY];  // a drive's root keeps its backslash: "C:" alone is a current directory
  const char* programName;     // its name, within program
  bool atRoot;                 // the folder is a drive's or a share's root, never to be deleted
};

// False when the program's own path cannot be had.
bool FindInstallation(Installation& installation);

// The folder joined with a name; false when it does not fit.
bool InFolder(const Installation& installation, const char* name, char* path);

bool ExistsPath(const char* path);

// Whether the path names something directly in the installation's folder: the folders are
// compared without regard to case, then by their short names.
bool InOwnFolder(const Installation& installation, const char* path);

// Whether a registry value names the file in the installation's folder: the value is the
// file's path, or begins with it (in quotes or not) followed by a blank or a comma (arguments,
// an icon index).
bool NamesOwnFile(const Installation& installation, const char* value, const char* name);

#endif
