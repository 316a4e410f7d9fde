#include "core/install_state.h"

InstallState installState;
