#include "registration/shared_component.h"

#include "core/error_page.h"
#include "core/install_state.h"
#include "core/path_rules.h"
#include "core/table_rows.h"
#include "destination/directory_store.h"
#include "registration/product_registration.h"
#include "registration/registry_values.h"

namespace {

bool IsEmpty(const char* text) { return text == nullptr || text[0] == '\0'; }

// Marks the product as a user of the component; true when it was not marked before.
bool MarkProduct(HKEY productShared, const char* sharedName) {
  // Read whole: a name cut to a short buffer would never match, and count the product again.
  char marked[PATH_CAPACITY];
  LONG size = sizeof marked;
  if (RegQueryValueA(productShared, nullptr, marked, &size) == ERROR_SUCCESS && lstrcmpA(marked, sharedName) == 0)
    return false;
  SetDefaultText(productShared, sharedName);
  return true;
}

// Adds the product to the component's count when it is new to it.
bool Count(HKEY componentShared, const char* sharedName, bool isNew) {
  DWORD users = 0;
  DWORD type;
  DWORD size = sizeof users;
  if (RegQueryValueExA(componentShared, sharedName, nullptr, &type, reinterpret_cast<BYTE*>(&users), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof users)
    users = 0;
  if (isNew) ++users;
  return RegSetValueExA(componentShared, sharedName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&users),
                        sizeof users) == ERROR_SUCCESS;
}

bool IsProgram(const char* name) {
  const char* dot = LastOf(name, '.');
  return dot != nullptr && EqualIgnoringCase(dot, ".exe");
}

} // namespace

int RegisterSharedComponent(RegistrationState& state) {
  const Catalogue& catalogue = installState.catalogue;
  if (GetSharedDirectory() == nullptr || IsEmpty(catalogue.sharedFolder) || IsEmpty(catalogue.sharedName)) return 1;
  char path[PATH_CAPACITY];
  HKEY key;
  if (!JoinPath(path, sizeof path, {catalogue.productKey, "\\Shared"}) ||
      RegCreateKeyA(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
    return state.Fail(ERROR_CANNOT_CREATE_REGISTRY_ENTRY);
  const bool isNew = MarkProduct(key, catalogue.sharedName);
  RegCloseKey(key);
  if (!JoinPath(path, sizeof path, {catalogue.makerKey, "\\", catalogue.sharedFolder, "\\Shared"}) ||
      RegCreateKeyA(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
    return state.Fail(ERROR_CANNOT_CREATE_REGISTRY_ENTRY);
  const bool counted = Count(key, catalogue.sharedName, isNew);
  RegCloseKey(key);
  if (!counted) return state.Fail(ERROR_CANNOT_CREATE_REGISTRY_ENTRY);
  for (const FileEntry& file : TableRows(catalogue.files))
    if (file.selected != ROW_NOT_SELECTED && IsProgram(file.name) && !RegisterAppPath(state, file.name)) return 0;
  return 1;
}
