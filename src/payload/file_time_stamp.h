// The time that the copy sets on the files it writes.
#ifndef TARN_PAYLOAD_FILE_TIME_STAMP_H
#define TARN_PAYLOAD_FILE_TIME_STAMP_H

#include <windows.h>

#include "core/catalogue.h"

// The catalogue's local stamp time as UTC; false when its date is no valid calendar time.
bool MakeTimeStamp(const Catalogue& catalogue, FILETIME& stamp);
// Sets creation, last-access and last-write time of a file open for writing; a failure
// leaves its times as they are.
void StampOpenFile(HFILE file, const FILETIME& stamp);

#endif
