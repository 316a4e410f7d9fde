#include "registration/obsolete_files.h"

#include <windows.h>

#include "core/path_rules.h"
#include "destination/directory_store.h"

namespace {

const char* const OBSOLETE_FILES[] = {
    "rtunzp32x.dll", "rtw243a32.dll", "rtw251a32.dll", "rtw256a32.dll", "rtw258a32.dll", "tarnunst.exe",
};

} // namespace

void DeleteObsoleteFiles() {
  char path[PATH_CAPACITY];
  for (const char* name : OBSOLETE_FILES)
    if (JoinDirectoryAndName(path, sizeof path, GetDestinationDirectory(), name)) DeleteFileA(path);
}
