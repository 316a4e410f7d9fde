// Start-up inside the frame's WM_INITDIALOG: the catalogue, the platform check, the first page.
// Defined in the wizard layer above the subsystems, which composes them.
#ifndef TARN_CORE_START_WIZARD_H
#define TARN_CORE_START_WIZARD_H

#include <cstdint>

void StartWizard();
// Records platformUnsupported and fontsInFontsFolder; returns 1 when the platform is accepted.
int CheckPlatform(int32_t flags);

#endif
