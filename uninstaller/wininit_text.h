// WININIT.INI, which Windows 95, 98 and Me carry out at the next restart: each "NUL=path" line
// of its [rename] section deletes that path. The paths must be short ones: the file is read
// before long names are known.
#ifndef TARN_UNINSTALLER_WININIT_TEXT_H
#define TARN_UNINSTALLER_WININIT_TEXT_H

#include <cstddef>

// Writes the file's text with a deletion line for each path at the head of its [rename]
// section, which is added at the end when missing; the rest stays as it was. Returns the
// length written, or 0 when the result does not fit the capacity.
size_t AddWininitDeletions(const char* text, size_t length, const char* const* paths, size_t count, char* out,
                           size_t capacity);

#endif
