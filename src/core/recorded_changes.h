// Changes made under the run's record: the line goes in before the change is made. The
// record is kept in the registry below HKEY_LOCAL_MACHINE: only an administrator can write
// there (a record in a folder that users may write could make an administrator's next run
// delete anything), it outlives a restart, and the uninstaller finds it from any folder.
#ifndef TARN_CORE_RECORDED_CHANGES_H
#define TARN_CORE_RECORDED_CHANGES_H

#include <windows.h>

#include "core/run_record.h"

// Appends a line to the record of installState.catalogue.runRecordKey; 0 when it cannot be
// written, and then the change must not be made.
int RecordChange(RecordKind kind, const char* path);

// The directory exists, or is recorded and then made.
bool MakeRecordedDirectory(const char* path);

// A line's number as its value's name: decimal.
void RecordLineName(int number, char (&name)[12]);

#endif
