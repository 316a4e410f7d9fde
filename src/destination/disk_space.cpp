#include "destination/disk_space.h"

#include "core/bounded_text.h"

int32_t RequiredSize(const FileEntry* files, const SectorSize& unit, int32_t componentKey,
                     int includeUnselected) {
  uint32_t sum = 0; // wraps rather than overflows; 2 GiB of payload is beyond this design
  for (const FileEntry& row : TableRows(files)) {
    if (!RowBelongsTo(row, componentKey)) continue;
    if (includeUnselected || row.selected != ROW_NOT_SELECTED)
      sum += static_cast<uint32_t>(RoundUpToSectors(unit, row.size));
  }
  return static_cast<int32_t>(sum);
}

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

namespace {

constexpr int MEGABYTE_SHIFT = 20;
constexpr uint32_t HALF_MEGABYTE = uint32_t{1} << (MEGABYTE_SHIFT - 1);

} // namespace

void FormatMegabytes(char* out, size_t capacity, uint32_t bytes) {
  uint32_t whole = bytes >> MEGABYTE_SHIFT;
  uint32_t tenths = ((bytes & ((uint32_t{1} << MEGABYTE_SHIFT) - 1)) * 10 + HALF_MEGABYTE) >> MEGABYTE_SHIFT;
  if (tenths >= 10) {
    whole += 1;
    tenths -= 10;
  }
  char text[32];
  char* end = PutDecimal(text, whole);
  *end++ = '.';
  end = PutDecimal(end, tenths);
  CopyBounded(end, sizeof text - static_cast<size_t>(end - text), " MB");
  CopyBounded(out, capacity, text);
}

void FormatAvailableSize(char* out, size_t capacity, int32_t freeSpace) {
  if (freeSpace >= 0)
    FormatMegabytes(out, capacity, static_cast<uint32_t>(freeSpace));
  else
    CopyBounded(out, capacity, freeSpace == FREE_SPACE_AT_LEAST_2_GIB ? "> 2 GB" : "n/a");
}

char DriveNamedByText(const char* text) {
  if (text[0] == '"') ++text;
  if (text[0] == '\0' || text[1] != ':' || text[2] != '\\') return 0;
  return text[0];
}

bool NoteTypedDrive(char& lastQueriedDrive, char namedDrive) {
  if (namedDrive == 'A' || namedDrive == 'a') return false;
  const bool changed = namedDrive != lastQueriedDrive;
  lastQueriedDrive = namedDrive;
  return changed;
}
