#include "registration/desktop_file_creation.h"

#include <windows.h>

#include "core/path_rules.h"
#include "destination/directory_store.h"
#include "registration/desktop_file.h"
#include "registration/desktop_settings.h"

void CreateDesktopFile(const char* fileName, const char* name, uint16_t version) {
  char path[PATH_CAPACITY];
  if (!JoinDirectoryAndName(path, sizeof path, GetDestinationDirectory(), fileName)) return;
  // Whatever is there is the user's: a reinstallation keeps it as it was.
  if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return;
  DesktopFile desktop(DESKTOP_SIGNATURE, name, version);
  desktop.SetItem(DESKTOP_SETTINGS_KEY, desktopSettings.bytes, sizeof desktopSettings.bytes);
  desktop.Save(path);
}
