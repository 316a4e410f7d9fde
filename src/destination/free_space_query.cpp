#include "destination/free_space_query.h"

#include <windows.h>

#include "destination/allocation_unit.h"
#include "destination/free_space.h"

int32_t QueryFreeSpace(char driveLetter) {
  const char root[] = {driveLetter, ':', '\\', '\0'};
  DWORD sectorsPerCluster = 0;
  DWORD bytesPerSector = 0;
  DWORD freeClusters = 0;
  DWORD totalClusters = 0;
  if (!GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
    return FREE_SPACE_NOT_AVAILABLE;
  UpdateAllocationUnit(allocationUnit, bytesPerSector);
  return FreeSpaceFromGeometry(sectorsPerCluster, bytesPerSector, freeClusters);
}
