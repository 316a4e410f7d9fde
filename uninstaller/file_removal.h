// The product's files in the installation's folder, and whatever else is left there.
#ifndef TARN_UNINSTALLER_FILE_REMOVAL_H
#define TARN_UNINSTALLER_FILE_REMOVAL_H

#include "installation.h"
#include "removal_report.h"

// Whether a file of the catalogue other than the running program is still there.
bool ProductFilesPresent(const Installation& installation);

// Deletes the catalogue's files that are still as setup.exe put them down (the row's size and
// check value), all but the running program. A changed file is the user's work and is kept;
// files held open, read-only or refused are named in the report; files already gone are
// passed over.
void RemoveProductFiles(const Installation& installation, RemovalReport& report);

// Names the folder's other entries that are not the product's in the report's kept list; true
// when nothing but the running program is left.
bool ListKeptFiles(const Installation& installation, RemovalReport& report);

#endif
