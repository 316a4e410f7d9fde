// Rules of the file system that every subsystem builds on: the path buffer's capacity, joining
// a directory and a name, the trailing backslash, letter case, the drive form of a directory,
// and the unit in which a disk hands out space. Portable: no Windows header.
#ifndef TARN_CORE_FILE_RULES_H
#define TARN_CORE_FILE_RULES_H

#include <cstddef>
#include <cstdint>
#include <initializer_list>

// Characters of a path buffer, terminator included (the platform's MAX_PATH).
constexpr size_t PATH_CAPACITY = 260;

bool EndsInBackslash(const char* path);

// The part after the last backslash; the whole text when it has none.
const char* NameAfterLastBackslash(const char* path);

// The last occurrence of wanted in text, or null.
const char* LastOf(const char* text, char wanted);

// out = the texts one after the other. False, out empty, when they do not fit: a path cut
// short would name another file.
bool JoinPath(char* out, size_t capacity, std::initializer_list<const char*> parts);

// out = directory, a backslash unless it is empty or ends in one, then name. False, out empty,
// when that does not fit.
bool JoinDirectoryAndName(char* out, size_t capacity, const char* directory, const char* name);

// Appends a backslash unless the directory ends in one; false when it does not fit.
bool AppendBackslash(char* directory, size_t capacity);

char UpperCase(char c);
char LowerCase(char c);

// Equal texts when ASCII letters are compared without regard to case.
bool EqualIgnoringCase(const char* left, const char* right);

// A letter, then ":" as the second or "\" as the third character.
bool IsDriveFormPath(const char* path);

// Whether the path, with the backslash that is appended to a directory before a name, still
// fits a path buffer: 258 characters, or 259 that already end in a backslash.
bool FitsAsDirectoryPath(const char* path);

// folder, a backslash unless it ends in one, first, then "\" and second unless second is null.
// An empty folder, or one too long for the whole path, is replaced by fallbackFolder: a path
// cut short would name another directory. Returns false, out empty, when nothing fits.
bool ComposeFolderPath(char (&out)[PATH_CAPACITY], const char* folder, const char* fallbackFolder,
                       const char* first, const char* second);

// 512 bytes until the first free-space query.
constexpr int32_t DEFAULT_SECTOR_EXPONENT = 9;

// The drive's sector size, in which the required space is counted: each file in whole sectors
// (the cluster, the real unit of allocation, has never been counted).
struct SectorSize {
  int32_t exponent = DEFAULT_SECTOR_EXPONENT; // the size is 2 to this power
};

// Takes the highest set bit of the drive's bytes per sector, so a count that is not a power of
// two is rounded down to one; 0 leaves the size as it is.
void UpdateSectorSize(SectorSize& unit, uint32_t bytesPerSector);

// The size rounded up to whole sectors, in 32-bit arithmetic; 0 stays 0.
int32_t RoundUpToSectors(const SectorSize& unit, int32_t size);

#endif
