// The count of products that use a shared component, and the application paths of the
// installed programs that point the platform at the shared-files directory.
#ifndef TARN_REGISTRATION_SHARED_COMPONENT_H
#define TARN_REGISTRATION_SHARED_COMPONENT_H

#include "registration/registration_state.h"

// 1 when done or when no shared-files directory applies; 0 on failure, with
// ERROR_CANNOT_CREATE_REGISTRY_ENTRY when a key cannot be created or the count cannot be written.
int RegisterSharedComponent(RegistrationState& state);

#endif
