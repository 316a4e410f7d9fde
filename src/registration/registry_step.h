// The registry page "REGISTRYDLG" and its work: the catalogue's registry rows, the shared
// component, the file types, the uninstall entries and the product number.
#ifndef TARN_REGISTRATION_REGISTRY_STEP_H
#define TARN_REGISTRATION_REGISTRY_STEP_H

#include <windows.h>

#include "core/install_state.h"

// The state of the registry work: the window that owns every question.
struct RegistrationState {
  HWND ownerWindow;
};

// 1 on success; 0 with the failure recorded (a key that cannot be created, or a stop).
int RunRegistryStep(RegistrationState& state);

// The catalogue's extra uninstall entries below the directory (with its trailing backslash).
// Failures are not reported; always 1.
int RegisterUninstallRows(const char* directory);

// 1 when done or when no shared-files directory applies; 0 on failure, with
// FAILURE_CANNOT_CREATE_REGISTRY_ENTRY when a key cannot be created or the count cannot be
// written.
int RegisterSharedComponent();

// The product's own uninstall entry and product number, written once the registry work has
// succeeded; failures are not reported.
void RegisterProduct();

// The application path of a program in the shared-files directory: 1 when the entry was
// written; 0 for a name with a backslash (nothing written, no failure) or with
// FAILURE_CANNOT_CREATE_REGISTRY_ENTRY when its key cannot be created.
int RegisterAppPath(const char* fileName);

#endif
