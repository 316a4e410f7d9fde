// Changes made under the run's record: the line goes in before the change is made. The
// record is kept in the registry below HKEY_LOCAL_MACHINE: only an administrator can write
// there (a record in a folder that users may write could make an administrator's next run
// delete anything), it outlives a restart, and the uninstaller finds it from any folder.
#ifndef TARN_CORE_RECORDED_CHANGES_H
#define TARN_CORE_RECORDED_CHANGES_H

#include <windows.h>

#include "core/run_record.h"

// Appends a line to the record of installState.catalogue.runRecordKey; 0 when it cannot be
// written, and then the change must not be made. root: a key's, else 0.
int RecordChange(RecordKind kind, const char* path, char root = 0);

// The directory exists, or is recorded and then made.
bool MakeRecordedDirectory(const char* path);

// A line's number as its value's name, and the name of the key saved for it: decimal.
void RecordLineName(int number, char (&name)[12]);

// Every value and subkey of from written into to; false when one cannot be read whole or
// written.
bool CopyKeyTree(HKEY from, HKEY to);

// Before a key below HKEY_CLASSES_ROOT or HKEY_LOCAL_MACHINE is changed or deleted: saved whole
// under the record, or, where it is missing, recorded with each level above it that is missing
// too. 0 when that cannot be done, and then the key must not be changed. A key below an open
// one goes with the key it lies in: nothing is done for it.
int SaveKeyBeforeChange(HKEY root, const char* path);

// RegCreateKeyA of a key saved first; ERROR_ACCESS_DENIED when it cannot be saved.
LONG CreateRecordedKey(HKEY root, const char* path, HKEY* key);

#endif
