// The destination and shared-files directories: the one place where the Installer keeps them.
#ifndef TARN_DESTINATION_DIRECTORY_STORE_H
#define TARN_DESTINATION_DIRECTORY_STORE_H

#include <cstdint>

const char* GetDestinationDirectory();
// Keeps what fits a path buffer (PATH_CAPACITY - 1 characters), as typed: quotes and a
// trailing backslash stay.
void StoreDestinationDirectory(const char* path);
// Stores the path and returns the free-space result of its first character's drive.
int32_t SetDestinationDirectory(const char* path);

// The Program Files directory followed by the folder; nothing for a null or empty name.
void SetDefaultDestination(const char* productFolder);

// The Common Files directory followed by first and second; nothing unless both are given.
void SetSharedDirectory(const char* first, const char* second);
// The shared-files directory when one is set on the destination's drive, else null.
const char* GetSharedDirectory();

#endif
