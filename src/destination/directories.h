// The destination and shared-files directories: where the Installer keeps them (in the install
// state), the system folders they start from, making them, and what is in them.
#ifndef TARN_DESTINATION_DIRECTORIES_H
#define TARN_DESTINATION_DIRECTORIES_H

#include <cstdint>

#include "core/file_rules.h"

// The system's CurrentVersion key under HKEY_LOCAL_MACHINE.
extern const char CURRENT_VERSION_KEY[];
constexpr char PROGRAM_FILES_VALUE[] = "ProgramFilesDir";
constexpr char COMMON_FILES_VALUE[] = "CommonFilesDir";

int DirectoryExists(const char* path);
// A file, not a directory; a null or empty path names none.
int FileExists(const char* path);

// Creates the path level by level below its drive; returns 1 when it exists afterwards.
// A path not of the drive form fails silently. A level that cannot be created, and a path
// too long to take the backslash that later paths append, fail with a beep; levels made
// before the failure stay. A bare root such as C:\ creates nothing and succeeds.
int CreateDirectoryTree(const char* path);

// Reads the value of the system's CurrentVersion key into folder; empty when the key or value
// is missing, is not a plain string or does not fit.
void ReadPlatformFolder(const char* valueName, char (&folder)[PATH_CAPACITY]);

// The free-space result of the drive's root; a successful query also takes its sector size.
int32_t QueryFreeSpace(char driveLetter);

const char* GetDestinationDirectory();
// Keeps what fits a path buffer (PATH_CAPACITY - 1 characters), as typed: quotes and a
// trailing backslash stay.
void StoreDestinationDirectory(const char* path);
// Stores the path, then asks the drive its first character names (a disk access, which
// StoreDestinationDirectory never makes): its free-space result, its sector size taken.
int32_t StoreDestinationAndQueryDrive(const char* path);
// The Program Files directory followed by the folder; nothing for a null or empty name.
void SetDefaultDestination(const char* productFolder);
// The Common Files directory followed by first and second; nothing unless both are given.
void SetSharedDirectory(const char* first, const char* second);
// The shared-files directory when one is set on the destination's drive, else null.
const char* GetSharedDirectory();

// Makes the destination directory; false when it cannot be made. An existing directory too
// long to take a backslash goes to the tree creation, which refuses it.
bool MakeDestinationDirectory();
// 1 when the program is chosen and the catalogue's program file (not a directory of that name)
// is in the destination directory, else 0.
int OldInstallationFound();

#endif
