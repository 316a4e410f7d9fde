#include "registration/registry_step.h"

#include "core/bounded_format.h"
#include "core/confirm_stop.h"
#include "core/error_page.h"
#include "core/install_state.h"
#include "core/path_rules.h"
#include "core/table_rows.h"
#include "destination/directory_store.h"
#include "registration/file_type.h"
#include "registration/registry_values.h"
#include "registration/shared_component.h"

namespace {

// Creates the row's key and writes its value; 0 when the key cannot be created.
int WriteRegistryRow(const RegistryEntry& row, const char* directory) {
  HKEY key;
  if (RegCreateKeyA(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(row.rootKey)), row.subkey, &key) != ERROR_SUCCESS)
    return 0;
  if (row.value != nullptr) {
    char value[PATH_CAPACITY];
    // A value too long for its buffer is left unwritten rather than cut to another path.
    if (row.valueIsInstalledFile == 0)
      SetDefaultText(key, row.value);
    else if (JoinPath(value, sizeof value, {directory, row.value}))
      SetDefaultText(key, value);
  }
  RegCloseKey(key);
  return 1;
}

int WriteRegistryRows(RegistrationState& state, const char* directory) {
  for (const RegistryEntry& row : TableRows(installState.catalogue.registryEntries)) {
    if (row.selected == ROW_NOT_SELECTED) continue;
    if (!WriteRegistryRow(row, directory)) return state.Fail(ERROR_CANNOT_CREATE_REGISTRY_ENTRY);
    if (ConfirmStop(state.ownerWindow)) return state.Fail(ERROR_ABORTED);
  }
  return 1;
}

} // namespace

int RunRegistryStep(RegistrationState& state) {
  Catalogue& catalogue = installState.catalogue;
  char directory[PATH_CAPACITY];
  CopyBounded(directory, sizeof directory, GetDestinationDirectory());
  if (directory[0] != '\0') AppendBackslash(directory, sizeof directory);
  if (!WriteRegistryRows(state, directory)) return 0;
  // A failure with an error code ends the step, so that the error page names it.
  if (!RegisterSharedComponent(state) && state.errorCode != 0) return 0;
  for (const FileTypeEntry& row : TableRows(catalogue.fileTypes))
    if (row.selected != ROW_NOT_SELECTED) RegisterFileType(state, row, directory);
  return RegisterUninstallRows(directory);
}

int RegisterUninstallRows(const char* directory) {
  for (const UninstallEntry& row : TableRows(installState.catalogue.uninstallEntries)) {
    if (row.selected == ROW_NOT_SELECTED) continue;
    char command[PATH_CAPACITY];
    if (JoinPath(command, sizeof command, {directory, row.uninstallProgram}))
      WriteUninstallEntry(row.keyName, row.displayName, command);
  }
  return 1;
}
