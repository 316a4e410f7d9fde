#include "registration/product_registration.h"

#include "core/error_page.h"
#include "core/install_state.h"
#include "core/path_rules.h"
#include "destination/directory_store.h"
#include "registration/registry_values.h"

const char PRODUCT_DISPLAY_NAME[] = "Morvane 12.3";
const char UNINSTALLER_NAME[] = "uninstal.exe";

namespace {
const char APP_PATHS_KEY[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
} // namespace

void RegisterProduct() {
  const Catalogue& catalogue = installState.catalogue;
  char command[PATH_CAPACITY];
  // The backslash goes in even after a drive's root: the uninstaller expects this form.
  if (JoinPath(command, sizeof command, {GetDestinationDirectory(), "\\", UNINSTALLER_NAME}))
    WriteUninstallEntry(catalogue.productName, PRODUCT_DISPLAY_NAME, command);
  RegSetValueA(HKEY_LOCAL_MACHINE, catalogue.productKey, REG_SZ, catalogue.productNumber,
               lstrlenA(catalogue.productNumber));
}

int RegisterAppPath(RegistrationState& state, const char* fileName) {
  if (LastOf(fileName, '\\') != nullptr) return 0;
  char path[PATH_CAPACITY];
  HKEY key;
  if (!JoinPath(path, sizeof path, {APP_PATHS_KEY, fileName}) ||
      RegCreateKeyA(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
    return state.Fail(ERROR_CANNOT_CREATE_REGISTRY_ENTRY);
  const char* shared = GetSharedDirectory();
  if (JoinDirectoryAndName(path, sizeof path, GetDestinationDirectory(), fileName)) SetDefaultText(key, path);
  SetNamedText(key, "Path", shared != nullptr ? shared : "");
  RegCloseKey(key);
  return 1;
}
