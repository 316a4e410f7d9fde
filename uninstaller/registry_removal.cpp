#include "registry_removal.h"

#include <windows.h>

#include "core/catalogue.h"
#include "core/file_rules.h"
#include "registration/file_type.h"
#include "registration/registry_values.h"
#include "wizard/product.h"

namespace {

enum class Belonging { ABSENT, OURS, ANOTHER_FOLDER };

// The keys of the product's type with a value of setup.exe's, deepest first, below its identifier.
const char* const TYPE_KEYS[] = {"\\Shell\\Open\\command", "\\Shell\\Open", "\\Shell", "\\DefaultIcon", ""};

HKEY RootOf(const RegistryEntry& row) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(row.rootKey)); }

bool KeyExists(HKEY root, const char* path) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// A text value, whole; false when the key or value is missing, of another type, or too long.
bool ReadText(HKEY root, const char* path, const char* name, char (&text)[PATH_CAPACITY]) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD type = 0;
  DWORD size = sizeof text - 1;
  const bool read =
      RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS && type == REG_SZ;
  RegCloseKey(key);
  text[read ? size : 0] = '\0';
  return read;
}

// A key whose value names a file: this installation's while the file is in its folder. A key
// whose value names nothing is taken for the other installation's, to be safe.
Belonging OfValue(const Installation& installation, HKEY root, const char* path, const char* name, const char* file) {
  char value[PATH_CAPACITY];
  if (!KeyExists(root, path)) return Belonging::ABSENT;
  return ReadText(root, path, name, value) && NamesOwnFile(installation, value, file) ? Belonging::OURS
                                                                                      : Belonging::ANOTHER_FOLDER;
}

bool UninstallEntryPath(char* path) { return JoinPath(path, PATH_CAPACITY, {UNINSTALL_KEY, PRODUCT_NAME}); }

Belonging OfEntry(const Installation& installation) {
  char entry[PATH_CAPACITY];
  if (!UninstallEntryPath(entry)) return Belonging::ABSENT;
  return OfValue(installation, HKEY_LOCAL_MACHINE, entry, "UninstallString", UNINSTALLER_NAME);
}

// Each value's name is a folder that a run of setup.exe completed in; forget deletes this
// installation's, and the key once it has none.
bool FolderNoted(const Installation& installation, bool forget) {
  HKEY key;
  if (RegOpenKeyA(HKEY_LOCAL_MACHINE, INSTALLED_FOLDERS_KEY, &key) != ERROR_SUCCESS) return false;
  bool noted = false;
  char folder[PATH_CAPACITY];
  char program[PATH_CAPACITY];
  for (DWORD index = 0;;) {
    DWORD size = sizeof folder;
    if (RegEnumValueA(key, index, folder, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    if (JoinDirectoryAndName(program, sizeof program, folder, installation.programName) &&
        InOwnFolder(installation, program)) {
      noted = true;
      // The next value takes the deleted one's place.
      if (forget && RegDeleteValueA(key, folder) == ERROR_SUCCESS) continue;
    }
    ++index;
  }
  DWORD values = 1;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                   nullptr);
  RegCloseKey(key);
  if (forget && values == 0) RegDeleteKeyA(HKEY_LOCAL_MACHINE, INSTALLED_FOLDERS_KEY);
  return noted;
}

// The product's keys go with the rows that name installed files; without them, with the entry.
Belonging OfProductKeys(const Installation& installation) {
  Belonging belonging = Belonging::ABSENT;
  for (const RegistryEntry& row : TableRows(productRegistryEntries)) {
    if (row.valueIsInstalledFile == 0) continue;
    const Belonging rowBelonging = OfValue(installation, RootOf(row), row.subkey, nullptr, row.value);
    if (rowBelonging != Belonging::ABSENT) belonging = rowBelonging;
    if (rowBelonging == Belonging::ANOTHER_FOLDER) return belonging;
  }
  if (belonging != Belonging::ABSENT || !KeyExists(HKEY_LOCAL_MACHINE, PRODUCT_KEY)) return belonging;
  return OfEntry(installation) == Belonging::ANOTHER_FOLDER ? Belonging::ANOTHER_FOLDER : Belonging::OURS;
}

// Deletes the key with everything below it; one that stays is named in the report.
void DeleteOwnKey(HKEY root, const char* path, RemovalReport& report) {
  if (!KeyExists(root, path)) return;
  if (DeleteKeyTree(root, path)) {
    report.keysRemoved = true;
    return;
  }
  char named[PATH_CAPACITY];
  if (JoinPath(named, sizeof named, {root == HKEY_LOCAL_MACHINE ? "HKEY_LOCAL_MACHINE\\" : "", path}))
    report.keysLeft.Add(named);
}

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

// The key's default value, then the key once nothing else is in it.
void DeleteDefaultAndEmptyKey(const char* path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, "");
  RegCloseKey(key);
  DeleteKeyWhenEmpty(HKEY_CLASSES_ROOT, path);
}

AssociationOutcome OfType(const Installation& installation, const FileTypeEntry& row, char* extensionKey,
                          char* identifier) {
  char named[PATH_CAPACITY];
  char command[PATH_CAPACITY];
  if (!FileTypeKeys(row, extensionKey, identifier, PATH_CAPACITY)) return AssociationOutcome::ABSENT;
  if (!ReadText(HKEY_CLASSES_ROOT, extensionKey, nullptr, named) || !EqualIgnoringCase(named, identifier))
    return KeyExists(HKEY_CLASSES_ROOT, extensionKey) ? AssociationOutcome::OTHER_PROGRAM : AssociationOutcome::ABSENT;
  if (!JoinPath(command, sizeof command, {identifier, TYPE_KEYS[0]})) return AssociationOutcome::ABSENT;
  // A type without its command names no other installation's program either.
  return OfValue(installation, HKEY_CLASSES_ROOT, command, nullptr, row.program) == Belonging::ANOTHER_FOLDER
             ? AssociationOutcome::ANOTHER_FOLDER
             : AssociationOutcome::REMOVED;
}

AssociationOutcome RemoveType(const char* extensionKey, const char* identifier) {
  char path[PATH_CAPACITY];
  for (const char* below : TYPE_KEYS)
    if (JoinPath(path, sizeof path, {identifier, below})) DeleteDefaultAndEmptyKey(path);
  // The type that the extension named before, as setup.exe noted it.
  char earlier[PATH_CAPACITY];
  if (ReadText(HKEY_LOCAL_MACHINE, PRODUCT_KEY, extensionKey, earlier) && earlier[0] != '\0' &&
      KeyExists(HKEY_CLASSES_ROOT, earlier) &&
      RegSetValueA(HKEY_CLASSES_ROOT, extensionKey, REG_SZ, earlier, static_cast<DWORD>(lstrlenA(earlier))) ==
          ERROR_SUCCESS)
    return AssociationOutcome::GIVEN_BACK;
  DeleteDefaultAndEmptyKey(extensionKey);
  return AssociationOutcome::REMOVED;
}

} // namespace

bool ProductKeysOurs(const Installation& installation) {
  return OfEntry(installation) == Belonging::OURS || OfProductKeys(installation) == Belonging::OURS;
}

bool InstalledHereBySetup(const Installation& installation) {
  return OfEntry(installation) == Belonging::OURS || FolderNoted(installation, false);
}

void ForgetInstalledFolder(const Installation& installation) { FolderNoted(installation, true); }

bool AssociationsOurs(const Installation& installation) {
  char extensionKey[PATH_CAPACITY];
  char identifier[PATH_CAPACITY];
  for (const FileTypeEntry& row : TableRows(productFileTypes))
    if (OfType(installation, row, extensionKey, identifier) == AssociationOutcome::REMOVED) return true;
  return false;
}

void RemoveProductKeys(const Installation& installation, bool keepUninstallEntry, RemovalReport& report) {
  char entry[PATH_CAPACITY];
  // Both judged before either goes: the product's keys may go with the entry.
  const Belonging entryBelonging = OfEntry(installation);
  const Belonging productBelonging = OfProductKeys(installation);
  report.entryElsewhere = entryBelonging == Belonging::ANOTHER_FOLDER;
  if (entryBelonging == Belonging::OURS && !keepUninstallEntry && UninstallEntryPath(entry))
    DeleteOwnKey(HKEY_LOCAL_MACHINE, entry, report);
  report.productElsewhere = productBelonging == Belonging::ANOTHER_FOLDER;
  if (productBelonging == Belonging::OURS) {
    for (const RegistryEntry& row : TableRows(productRegistryEntries)) DeleteOwnKey(RootOf(row), row.subkey, report);
    DeleteOwnKey(HKEY_LOCAL_MACHINE, PRODUCT_KEY, report);
  }
  DeleteEmptyParents();
}

void RemoveAssociations(const Installation& installation, RemovalReport& report) {
  char extensionKey[PATH_CAPACITY];
  char identifier[PATH_CAPACITY];
  for (const FileTypeEntry& row : TableRows(productFileTypes)) {
    AssociationOutcome outcome = OfType(installation, row, extensionKey, identifier);
    if (outcome == AssociationOutcome::REMOVED) outcome = RemoveType(extensionKey, identifier);
    // The catalogue has one type; with more, the first outcome that is not an absence is told.
    if (report.association == AssociationOutcome::ABSENT) report.association = outcome;
  }
}
