// Asking the system how much space a drive has left.
#ifndef TARN_DESTINATION_FREE_SPACE_QUERY_H
#define TARN_DESTINATION_FREE_SPACE_QUERY_H

#include <cstdint>

// The free-space result of the drive's root; a successful query also sets the allocation unit.
int32_t QueryFreeSpace(char driveLetter);

#endif
