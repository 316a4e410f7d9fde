// The free-space result of a drive and what it allows.
#ifndef TARN_DESTINATION_FREE_SPACE_H
#define TARN_DESTINATION_FREE_SPACE_H

#include <cstdint>

// A result of 0 or more is the number of free bytes; below 0 it is one of these.
constexpr int32_t FREE_SPACE_NOT_AVAILABLE = -1;
constexpr int32_t FREE_SPACE_AT_LEAST_2_GIB = -2;

// The free bytes of a drive's geometry, or FREE_SPACE_AT_LEAST_2_GIB from 2^31 bytes on.
int32_t FreeSpaceFromGeometry(uint32_t sectorsPerCluster, uint32_t bytesPerSector, uint32_t freeClusters);

// Next needs strictly more free space than required, or a drive with 2 GiB or more free;
// free space that is not available never allows it.
int SpaceAllowsNext(int32_t required, int32_t freeSpace);

#endif
