// The product's registry entries: its uninstall entry, its own keys up to the maker's, and the
// document type while it is still the product's.
#ifndef TARN_UNINSTALLER_REGISTRY_REMOVAL_H
#define TARN_UNINSTALLER_REGISTRY_REMOVAL_H

#include "removal_report.h"

bool ProductKeysPresent();
bool AssociationsOurs();

// The uninstall entry stays when asked to, so that the user can start the uninstaller again.
void RemoveProductKeys(bool keepUninstallEntry, RemovalReport& report);

// Each file type of the catalogue goes only while its extension still names the product's
// identifier; another program's association is left alone.
AssociationOutcome RemoveAssociations();

#endif
