// The product's program group in the Start Menu: the product's items that start this
// installation are deleted, the group only when nothing else is left in it. The shell's
// "PROGMAN" server cannot tell (Wine's lists neither groups nor items), so the group is read as
// the folder that the registry's shell-folder values name, as every Windows from 95 on keeps it.
#ifndef TARN_UNINSTALLER_GROUP_REMOVAL_H
#define TARN_UNINSTALLER_GROUP_REMOVAL_H

#include "installation.h"
#include "removal_report.h"

// The group's name: the caption of the group table's end row.
const char* ProductGroupName();

// Whether an item of the product in the group starts this installation.
bool GroupItemsOurs(const Installation& installation);

GroupOutcome RemoveProgramGroup(const Installation& installation);

#endif
