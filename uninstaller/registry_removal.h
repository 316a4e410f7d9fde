// The product's registry entries of this installation: its uninstall entry, its own keys up to
// the maker's, and its document type. Each goes only while it points into this installation's
// folder; what points elsewhere belongs to another installation and stays.
#ifndef TARN_UNINSTALLER_REGISTRY_REMOVAL_H
#define TARN_UNINSTALLER_REGISTRY_REMOVAL_H

#include "installation.h"
#include "removal_report.h"

bool ProductKeysOurs(const Installation& installation);

// Whether setup.exe installed into this folder: the uninstall entry names it, or a run
// completed there. A copy of the uninstaller anywhere else removes nothing.
bool InstalledHereBySetup(const Installation& installation);
// Once everything of this installation is gone, the folder is no longer one setup.exe installed into.
void ForgetInstalledFolder(const Installation& installation);
bool AssociationsOurs(const Installation& installation);

// The uninstall entry stays when asked to, so that the user can start the uninstaller again.
void RemoveProductKeys(const Installation& installation, bool keepUninstallEntry, RemovalReport& report);

// Each file type of the catalogue that is this installation's: only the values that setup.exe
// wrote go, and a key once it is empty, so another program's subkeys stay. The extension goes
// back to the type it named before setup.exe took it over, when that type is still there.
// Before the product's keys: the earlier type is noted in them.
void RemoveAssociations(const Installation& installation, RemovalReport& report);

#endif
