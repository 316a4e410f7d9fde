// The product's own uninstall entry and product number, and the application path of a
// program in the shared-files directory.
#ifndef TARN_REGISTRATION_PRODUCT_REGISTRATION_H
#define TARN_REGISTRATION_PRODUCT_REGISTRATION_H

#include "registration/registration_state.h"

// The product's name in the list of programs, and the uninstaller that its entry starts.
// Defined once, so that setup.exe and uninstal.exe each store them once.
extern const char PRODUCT_DISPLAY_NAME[];
extern const char UNINSTALLER_NAME[];

// Written when the registry page is left; failures are not reported.
void RegisterProduct();

// 1 when the entry was written; 0 for a name with a backslash (nothing written, no error)
// or with ERROR_CANNOT_CREATE_REGISTRY_ENTRY when its key cannot be created.
int RegisterAppPath(RegistrationState& state, const char* fileName);

#endif
