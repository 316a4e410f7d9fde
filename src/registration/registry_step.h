// The registry page's work: the catalogue's registry rows, the shared component, the file
// types and the extra uninstall entries.
#ifndef TARN_REGISTRATION_REGISTRY_STEP_H
#define TARN_REGISTRATION_REGISTRY_STEP_H

#include "registration/registration_state.h"

// 1 on success; 0 with the state's error code set (a key that cannot be created, or a stop).
int RunRegistryStep(RegistrationState& state);

// The catalogue's extra uninstall entries below the directory (with its trailing backslash).
// Failures are not reported; always 1.
int RegisterUninstallRows(const char* directory);

#endif
