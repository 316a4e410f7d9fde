// The time that the copy sets on the files it writes.
#ifndef TARN_PAYLOAD_FILE_TIME_STAMP_H
#define TARN_PAYLOAD_FILE_TIME_STAMP_H

#include <windows.h>

#include "core/catalogue.h"

// The catalogue's local stamp time as UTC; false when its date is no valid calendar time.
bool MakeTimeStamp(const Catalogue& catalogue, FILETIME& stamp);
// Sets creation, last-access and last-write time of an existing file; a file that cannot be
// opened is left as it is.
void StampFile(const char* path, const FILETIME& stamp);

#endif
