#include "core/finishing.h"

#include "core/path_rules.h"
#include "destination/directory_store.h"
#include "registration/desktop_file_creation.h"
#include "registration/obsolete_files.h"
#include "registration/pending_operations.h"
#include "registration/product_registration.h"

namespace {

constexpr char PENDING_PREFIX[] = "\\??\\";
// Installed files that a pending operation of earlier days could rename or delete.
constexpr char COMPONENT_PROXY[] = "comproxy.dll";

void RemovePendingOperationsOn(const char* name) {
  char file[PATH_CAPACITY];
  char path[PATH_CAPACITY];
  if (JoinDirectoryAndName(file, sizeof file, GetDestinationDirectory(), name) &&
      JoinPath(path, sizeof path, {PENDING_PREFIX, file}))
    RemovePendingOperations(path);
}

} // namespace

int FinishInstallation(int errorCode) {
  if (errorCode == 0) DeleteObsoleteFiles();
  CreateDesktopFile(DESKTOP_FILE_NAME, DESKTOP_NAME, DESKTOP_VERSION);
  RemovePendingOperationsOn(UNINSTALLER_NAME);
  RemovePendingOperationsOn(COMPONENT_PROXY);
  char directory[PATH_CAPACITY];
  if (JoinPath(directory, sizeof directory, {PENDING_PREFIX, GetDestinationDirectory()}))
    RemovePendingOperations(directory);
  return 0;
}
