// The desktop file that the Installer leaves in a new installation, built here from the
// format's field table rather than from the Installer's own code.
#ifndef TARN_HARNESS_EXPECTED_DESKTOP_FILE_H
#define TARN_HARNESS_EXPECTED_DESKTOP_FILE_H

#include <string>

// library and temporary: the values of "TARNWIN_LIB" and "TEMP", null when not set.
std::string ExpectedDesktopFile(const char* library, const char* temporary);

#endif
