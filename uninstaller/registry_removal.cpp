#include "registry_removal.h"

#include <windows.h>

#include "core/catalogue.h"
#include "core/file_rules.h"
#include "registration/file_type.h"
#include "registration/registry_values.h"
#include "wizard/product.h"

namespace {

HKEY RootOf(const RegistryEntry& row) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(row.rootKey)); }

bool KeyExists(HKEY root, const char* path) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool UninstallEntryPath(char* path) { return JoinPath(path, PATH_CAPACITY, {UNINSTALL_KEY, PRODUCT_NAME}); }

// Windows 95 deletes a key with everything below it, so emptiness is made sure of first.
bool DeleteKeyWhenEmpty(HKEY root, const char* path) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD subkeys = 1;
  DWORD values = 1;
  const LONG status =
      RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return status == ERROR_SUCCESS && subkeys == 0 && values == 0 && RegDeleteKeyA(root, path) == ERROR_SUCCESS;
}

// The keys between the product's key and the maker's, the maker's included, while each is empty.
void DeleteEmptyParents() {
  char path[PATH_CAPACITY];
  if (!JoinPath(path, sizeof path, {PRODUCT_KEY})) return;
  const auto makerLength = static_cast<size_t>(lstrlenA(MAKER_KEY));
  for (;;) {
    const char* cut = LastOf(path, '\\');
    if (cut == nullptr || static_cast<size_t>(cut - path) < makerLength) return;
    path[cut - path] = '\0';
    if (!DeleteKeyWhenEmpty(HKEY_LOCAL_MACHINE, path)) return;
  }
}

// The identifier that the extension's key names, when it is the one the product made.
bool AssociationOurs(const FileTypeEntry& row, char* extensionKey, char* identifier) {
  if (!FileTypeKeys(row, extensionKey, identifier, PATH_CAPACITY)) return false;
  char named[PATH_CAPACITY];
  LONG size = sizeof named;
  return RegQueryValueA(HKEY_CLASSES_ROOT, extensionKey, named, &size) == ERROR_SUCCESS &&
         EqualIgnoringCase(named, identifier);
}

} // namespace

bool ProductKeysPresent() {
  char entry[PATH_CAPACITY];
  return (UninstallEntryPath(entry) && KeyExists(HKEY_LOCAL_MACHINE, entry)) ||
         KeyExists(HKEY_LOCAL_MACHINE, PRODUCT_KEY);
}

bool AssociationsOurs() {
  char extensionKey[PATH_CAPACITY];
  char identifier[PATH_CAPACITY];
  for (const FileTypeEntry& row : TableRows(productFileTypes))
    if (AssociationOurs(row, extensionKey, identifier)) return true;
  return false;
}

void RemoveProductKeys(bool keepUninstallEntry, RemovalReport& report) {
  char entry[PATH_CAPACITY];
  if (!keepUninstallEntry && UninstallEntryPath(entry) && KeyExists(HKEY_LOCAL_MACHINE, entry))
    report.keysRemoved |= DeleteKeyTree(HKEY_LOCAL_MACHINE, entry) != 0;
  for (const RegistryEntry& row : TableRows(productRegistryEntries))
    if (KeyExists(RootOf(row), row.subkey)) report.keysRemoved |= DeleteKeyTree(RootOf(row), row.subkey) != 0;
  if (KeyExists(HKEY_LOCAL_MACHINE, PRODUCT_KEY))
    report.keysRemoved |= DeleteKeyTree(HKEY_LOCAL_MACHINE, PRODUCT_KEY) != 0;
  DeleteEmptyParents();
}

AssociationOutcome RemoveAssociations() {
  AssociationOutcome outcome = AssociationOutcome::ABSENT;
  char extensionKey[PATH_CAPACITY];
  char identifier[PATH_CAPACITY];
  for (const FileTypeEntry& row : TableRows(productFileTypes)) {
    if (AssociationOurs(row, extensionKey, identifier)) {
      // The identifier goes first: should the extension stay, a second run still finds it ours.
      DeleteKeyTree(HKEY_CLASSES_ROOT, identifier);
      if (DeleteKeyTree(HKEY_CLASSES_ROOT, extensionKey)) outcome = AssociationOutcome::REMOVED;
    } else if (KeyExists(HKEY_CLASSES_ROOT, extensionKey) && outcome == AssociationOutcome::ABSENT) {
      outcome = AssociationOutcome::OTHER_PROGRAM;
    }
  }
  return outcome;
}
