#include "registration/registry_step.h"

#include <cstring>

#include "core/bounded_text.h"
#include "core/page_walk.h"
#include "core/recorded_changes.h"
#include "destination/directories.h"
#include "destination/disk_space.h"
#include "registration/file_type.h"
#include "registration/registry_values.h"

namespace {

// Below the system's CurrentVersion key.
const char APP_PATHS[] = "\\App Paths\\";

// Creates the row's key and writes its value; 0 when the key cannot be created.
int WriteRegistryRow(const RegistryEntry& row, const char* directory) {
  HKEY key;
  // Widened with its sign, as the system's headers make the predefined handles.
  const HKEY root = reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(row.rootKey)));
  if (CreateRecordedKey(root, row.subkey, &key) != ERROR_SUCCESS)
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
    if (!WriteRegistryRow(row, directory)) return Fail(FAILURE_CANNOT_CREATE_REGISTRY_ENTRY);
    if (UserConfirmsStop(state.ownerWindow)) return Fail(FAILURE_ABORTED);
  }
  return 1;
}

// Marks the product as a user of the component; true when it was not marked before.
bool MarkProduct(HKEY productShared, const char* sharedName) {
  // Read whole: a name cut to a short buffer would never match, and count the product again.
  char marked[PATH_CAPACITY];
  LONG size = sizeof marked;
  if (RegQueryValueA(productShared, nullptr, marked, &size) == ERROR_SUCCESS && std::strcmp(marked, sharedName) == 0)
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
  return SetNamedNumber(componentShared, sharedName, users) == ERROR_SUCCESS;
}

// A program file by its extension: its application path points the platform at the shared files.
bool IsProgramFile(const char* name) {
  const char* dot = LastOf(name, '.');
  return dot != nullptr && EqualIgnoringCase(dot, ".exe");
}

// What deployment tools and the system's list of programs read besides the name and the
// command: the text values in the order that WriteProductDetails gives them, then the numbers.
const char DETAIL_NAMES[] TARN_WITH_CODE =
    "DisplayVersion\0Publisher\0InstallLocation\0DisplayIcon\0QuietUninstallString\0InstallDate\0"
    "EstimatedSize\0NoModify\0NoRepair";
// The version is kept in BCD: 0x1203 is 12.3.
const char VERSION_FORMAT[] TARN_WITH_CODE = "%x.%x";
const char DATE_FORMAT[] TARN_WITH_CODE = "%04u%02u%02u";
// A command line names its program in quotes: unquoted, the platform would try each shorter
// path before a blank first ("C:\\Program.exe").
const char QUOTE[] TARN_WITH_CODE = "\"";
const char QUOTE_AND_QUIET_SWITCH[] TARN_WITH_CODE = "\" /S";
const char ICON_INDEX[] TARN_WITH_CODE = ",0";

void WriteProductDetails(HKEY entry, const char* destination, const char* quietCommand) {
  const Catalogue& catalogue = installState.catalogue;
  char version[16];
  wsprintfA(version, VERSION_FORMAT, catalogue.version >> 8, catalogue.version & 0xFF);
  // A plain path, not a command line: no quotes.
  char icon[COMMAND_CAPACITY];
  JoinPath(icon, sizeof icon, {destination, EndsInBackslash(destination) ? "" : "\\", catalogue.programFile, ICON_INDEX});
  SYSTEMTIME today;
  GetLocalTime(&today);
  char date[16];
  wsprintfA(date, DATE_FORMAT, today.wYear, today.wMonth, today.wDay);
  // The maker's key is named after the maker.
  const char* const texts[] = {version, NameAfterLastBackslash(catalogue.makerKey), destination, icon, quietCommand, date};
  // Every file this installation put down, each in whole kilobytes (counted as 1,024-byte
  // sectors); it can be neither modified nor repaired, only removed.
  const DWORD numbers[] = {
      static_cast<DWORD>(RequiredSize(catalogue.files, SectorSize{10}, ALL_COMPONENTS, 0)) >> 10, 1, 1};
  const char* name = DETAIL_NAMES;
  for (const char* text : texts) {
    SetNamedText(entry, name, text);
    name += std::strlen(name) + 1;
  }
  for (const DWORD number : numbers) {
    SetNamedNumber(entry, name, number);
    name += std::strlen(name) + 1;
  }
}

} // namespace

int RunRegistryStep(RegistrationState& state) {
  Catalogue& catalogue = installState.catalogue;
  // Room for the backslash after the longest destination.
  char directory[PATH_CAPACITY + 1];
  CopyBounded(directory, sizeof directory, GetDestinationDirectory());
  if (directory[0] != '\0') AppendBackslash(directory, sizeof directory);
  if (!WriteRegistryRows(state, directory)) return 0;
  // A failure with an error code ends the step, so that the error page names it.
  if (!RegisterSharedComponent() && installState.failure.code != NO_FAILURE) return 0;
  for (const FileTypeEntry& row : TableRows(catalogue.fileTypes))
    if (row.selected != ROW_NOT_SELECTED) RegisterFileType(state, row, directory);
  return RegisterUninstallRows(directory);
}

int RegisterUninstallRows(const char* directory) {
  for (const UninstallEntry& row : TableRows(installState.catalogue.uninstallEntries)) {
    if (row.selected == ROW_NOT_SELECTED) continue;
    char command[COMMAND_CAPACITY];
    if (!JoinPath(command, sizeof command, {QUOTE, directory, row.uninstallProgram, QUOTE})) continue;
    HKEY entry = WriteUninstallEntry(row.keyName, row.displayName, command);
    if (entry != nullptr) RegCloseKey(entry);
  }
  return 1;
}

int RegisterSharedComponent() {
  const Catalogue& catalogue = installState.catalogue;
  if (GetSharedDirectory() == nullptr || IsEmptyText(catalogue.sharedFolder) || IsEmptyText(catalogue.sharedName))
    return 1;
  char path[PATH_CAPACITY];
  HKEY key;
  if (!JoinPath(path, sizeof path, {catalogue.productKey, "\\Shared"}) ||
      CreateRecordedKey(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
    return Fail(FAILURE_CANNOT_CREATE_REGISTRY_ENTRY);
  const bool isNew = MarkProduct(key, catalogue.sharedName);
  RegCloseKey(key);
  if (!JoinPath(path, sizeof path, {catalogue.makerKey, "\\", catalogue.sharedFolder, "\\Shared"}) ||
      CreateRecordedKey(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
    return Fail(FAILURE_CANNOT_CREATE_REGISTRY_ENTRY);
  const bool counted = Count(key, catalogue.sharedName, isNew);
  RegCloseKey(key);
  if (!counted) return Fail(FAILURE_CANNOT_CREATE_REGISTRY_ENTRY);
  for (const FileEntry& file : TableRows(catalogue.files))
    if (file.selected != ROW_NOT_SELECTED && IsProgramFile(file.name) && !RegisterAppPath(file.name)) return 0;
  return 1;
}

void RegisterProduct() {
  const Catalogue& catalogue = installState.catalogue;
  const char* destination = GetDestinationDirectory();
  char quietCommand[COMMAND_CAPACITY];
  // The backslash goes in even after a drive's root: the uninstaller expects this form.
  if (JoinPath(quietCommand, sizeof quietCommand, {QUOTE, destination, "\\", catalogue.uninstallerName, QUOTE_AND_QUIET_SWITCH})) {
    char command[COMMAND_CAPACITY];
    CopyBounded(command, std::strlen(quietCommand) - 2, quietCommand);
    HKEY entry = WriteUninstallEntry(catalogue.productName, catalogue.displayName, command);
    if (entry != nullptr) {
      WriteProductDetails(entry, destination, quietCommand);
      RegCloseKey(entry);
    }
  }
  if (SaveKeyBeforeChange(HKEY_LOCAL_MACHINE, catalogue.productKey))
    RegSetValueA(HKEY_LOCAL_MACHINE, catalogue.productKey, REG_SZ, catalogue.productNumber,
                 std::strlen(catalogue.productNumber));
}

int RegisterAppPath(const char* fileName) {
  if (LastOf(fileName, '\\') != nullptr) return 0;
  char path[PATH_CAPACITY];
  HKEY key;
  if (!JoinPath(path, sizeof path, {CURRENT_VERSION_KEY, APP_PATHS, fileName}) ||
      CreateRecordedKey(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
    return Fail(FAILURE_CANNOT_CREATE_REGISTRY_ENTRY);
  const char* shared = GetSharedDirectory();
  if (JoinDirectoryAndName(path, sizeof path, GetDestinationDirectory(), fileName)) SetDefaultText(key, path);
  SetNamedText(key, "Path", shared != nullptr ? shared : "");
  RegCloseKey(key);
  return 1;
}
