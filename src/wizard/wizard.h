// This product's wizard: its page table, composed of the pages of the subsystems, and the
// entry function that runs it.
#ifndef TARN_WIZARD_WIZARD_H
#define TARN_WIZARD_WIZARD_H

#include <windows.h>

#include "core/catalogue.h"

// The pages in the order of the table; the walk may leave out the platform note and the
// replace page.
enum WizardPage {
  PAGE_WELCOME,
  PAGE_PLATFORM_NOTE, // never shown: leaving the welcome page removes it from the walk
  PAGE_DESTINATION,
  PAGE_REPLACE,       // only when the destination holds an old installation
  PAGE_SUMMARY,
  PAGE_COPY,          // the first work page: no Back, no Next
  PAGE_REGISTRY,
  PAGE_ICONS,
  PAGE_FINISH,
  PAGE_COUNT
};

// Fills a zeroed record with this product's page table, tables and names.
void FillCatalogue(Catalogue& catalogue);

// The wizard's start inside the frame: the catalogue, the default directories, the first page.
void StartWizard();

// The entry function: resets the install state, runs the frame, returns the exit code.
int RunInstaller(HINSTANCE instance);

#endif
