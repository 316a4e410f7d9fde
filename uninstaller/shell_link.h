// Shell link (.lnk) files, read without the shell's COM objects, which the uninstaller does not
// import: enough to tell where a Start Menu shortcut points.
#ifndef TARN_UNINSTALLER_SHELL_LINK_H
#define TARN_UNINSTALLER_SHELL_LINK_H

#include <cstddef>

// The local path a shell link starts: its link information's local base path followed by its
// common path suffix. False when the link holds no local path, or when the data are not a
// whole link of that form, or when the path does not fit; out is then empty (when capacity
// allows even that).
bool ShellLinkLocalPath(const unsigned char* data, size_t size, char* out, size_t capacity);

#endif
