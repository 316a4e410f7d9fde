// The product's program group, removed with its items by the shell's "PROGMAN" DDE server.
#ifndef TARN_UNINSTALLER_GROUP_REMOVAL_H
#define TARN_UNINSTALLER_GROUP_REMOVAL_H

#include "removal_report.h"

// The group's name: the caption of the group table's end row.
const char* ProductGroupName();

// Waits for the shell's answer up to the conversation's reply time-out. A refused command
// counts as a group that is not there.
GroupOutcome RemoveProgramGroup();

#endif
