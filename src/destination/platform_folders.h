// The system's own folders as the registry names them.
#ifndef TARN_DESTINATION_PLATFORM_FOLDERS_H
#define TARN_DESTINATION_PLATFORM_FOLDERS_H

#include "destination/directory_path.h"

constexpr char PROGRAM_FILES_VALUE[] = "ProgramFilesDir";
constexpr char COMMON_FILES_VALUE[] = "CommonFilesDir";

// Reads the value of the system's CurrentVersion key into folder; empty when the key or value
// is missing, is not a plain string or does not fit.
void ReadPlatformFolder(const char* valueName, char (&folder)[PATH_CAPACITY]);

#endif
