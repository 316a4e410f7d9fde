#include "destination/free_space.h"

namespace {
constexpr uint64_t TWO_GIB = uint64_t{1} << 31;
} // namespace

int32_t FreeSpaceFromGeometry(uint32_t sectorsPerCluster, uint32_t bytesPerSector, uint32_t freeClusters) {
  const uint64_t clusterBytes = uint64_t{sectorsPerCluster} * bytesPerSector;
  // Checked before the last product, which could otherwise leave 64 bits.
  if (freeClusters != 0 && clusterBytes >= TWO_GIB) return FREE_SPACE_AT_LEAST_2_GIB;
  const uint64_t freeBytes = clusterBytes * freeClusters;
  return freeBytes >= TWO_GIB ? FREE_SPACE_AT_LEAST_2_GIB : static_cast<int32_t>(freeBytes);
}

int SpaceAllowsNext(int32_t required, int32_t freeSpace) {
  return freeSpace == FREE_SPACE_AT_LEAST_2_GIB || required < freeSpace;
}
