// The disk space of an installation: what the chosen files need, what a drive has free, how the
// destination page shows both, and which drive a typed destination names. Portable: no
// Windows header.
#ifndef TARN_DESTINATION_DISK_SPACE_H
#define TARN_DESTINATION_DISK_SPACE_H

#include <cstddef>
#include <cstdint>

#include "core/catalogue.h"
#include "core/file_rules.h"

// Installed sizes, each rounded up to whole sectors, of the file rows of a component
// (ALL_COMPONENTS for every row); unselected rows count only when includeUnselected is set.
// Compressed sizes and resource chunks play no part. A null table needs nothing.
int32_t RequiredSize(const FileEntry* files, const SectorSize& unit, int32_t componentKey,
                     int includeUnselected);

// A result of 0 or more is the number of free bytes; below 0 it is one of these.
constexpr int32_t FREE_SPACE_NOT_AVAILABLE = -1;
constexpr int32_t FREE_SPACE_AT_LEAST_2_GIB = -2;

// The free bytes of a drive's geometry, or FREE_SPACE_AT_LEAST_2_GIB from 2^31 bytes on.
int32_t FreeSpaceFromGeometry(uint32_t sectorsPerCluster, uint32_t bytesPerSector, uint32_t freeClusters);

// Next needs strictly more free space than required, or a drive with 2 GiB or more free;
// free space that is not available never allows it.
int SpaceAllowsNext(int32_t required, int32_t freeSpace);

// Holds the longest text, "4096.0 MB", with room to spare.
constexpr size_t SIZE_TEXT_CAPACITY = 16;

// Whole megabytes and the tenths rounded to nearest, halves up: "1.8 MB". Cut to fit.
void FormatMegabytes(char* out, size_t capacity, uint32_t bytes);

// A free-space result as the page shows it: megabytes, "n/a" or "> 2 GB".
void FormatAvailableSize(char* out, size_t capacity, int32_t freeSpace);

// After one leading double quote, the first character when ":\" follows it, whatever it is;
// otherwise 0, a text that names no drive.
char DriveNamedByText(const char* text);

// Whether the sizes must be shown again for the named drive, which is then remembered.
// Drive A is passed over and not remembered, so that typing never reaches for a floppy disk.
// The comparison is byte by byte: "c" after "C" queries again.
bool NoteTypedDrive(char& lastQueriedDrive, char namedDrive);

#endif
