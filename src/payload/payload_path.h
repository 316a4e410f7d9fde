// Path rules of the copy: the compressed name of a temporary, font files.
#ifndef TARN_PAYLOAD_PAYLOAD_PATH_H
#define TARN_PAYLOAD_PAYLOAD_PATH_H

#include "core/path_rules.h"

// Whether the name's last dot begins the extension ".fon", in any letter case.
bool IsFontFileName(const char* name);

// Replaces the last character of the path by "_" (tarn.exe gives tarn.ex_). False, path
// unchanged, when the path has no dot or ends in its last dot.
bool MakeCompressedName(char* path);

#endif
