// The product's desktop file in the destination directory, made when it is missing.
#ifndef TARN_REGISTRATION_DESKTOP_FILE_CREATION_H
#define TARN_REGISTRATION_DESKTOP_FILE_CREATION_H

#include <cstdint>

constexpr char DESKTOP_FILE_NAME[] = "TARN.DSK";
constexpr char DESKTOP_SIGNATURE[] = "DSK";
constexpr char DESKTOP_NAME[] = "TARN32A";
constexpr uint16_t DESKTOP_VERSION = 0x1203;

// Saves a desktop file holding only the desktop settings item, unless a file or directory of
// that name is there already. Failures are not reported: the file is then simply missing.
void CreateDesktopFile(const char* fileName, const char* name, uint16_t version);

#endif
