// Deleting what cannot go while the uninstaller runs (its own file, then its folder) at the
// next restart, the way the platform offers: the pending-operation list on the NT family,
// WININIT.INI on Windows 95, 98 and Me.
#ifndef TARN_UNINSTALLER_RESTART_DELETION_H
#define TARN_UNINSTALLER_RESTART_DELETION_H

#include <cstddef>

// In the given order; true when every deletion was recorded.
bool DeleteAtRestart(const char* const* paths, size_t count);

#endif
