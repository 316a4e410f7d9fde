#include "registration/file_type.h"

#include "core/file_rules.h"
#include "core/recorded_changes.h"
#include "core/unattended.h"
#include "registration/registry_values.h"

namespace {

// wsprintfA writes at most this many characters.
constexpr int FORMAT_CAPACITY = 1024;

// The key's default value, whole; false when it is missing, empty or does not fit.
bool ReadDefaultText(const char* keyName, char (&text)[PATH_CAPACITY]) {
  LONG size = sizeof text;
  return RegQueryValueA(HKEY_CLASSES_ROOT, keyName, text, &size) == ERROR_SUCCESS && text[0] != '\0';
}

enum Takeover { NOT_REGISTERED, REPLACE, DECLINED };

// The identifier that the extension names comes back in earlier.
Takeover AskBeforeTakingOver(const RegistrationState& state, const FileTypeEntry& row, const char* extensionKey,
                             char (&identifier)[PATH_CAPACITY]) {
  char description[PATH_CAPACITY];
  if (!ReadDefaultText(extensionKey, identifier)) return NOT_REGISTERED;
  if (!ReadDefaultText(identifier, description) || EqualIgnoringCase(description, row.description)) return REPLACE;
  const FileTypeTakeover answer = TakeOverFileType();
  if (answer != ASK_BEFORE_TAKING_OVER) return answer == TAKE_OVER ? REPLACE : DECLINED;
  char question[FORMAT_CAPACITY];
  wsprintfA(question, "The file type \"%s\" is already registered as \"%s\"\n\nDo you want to replace this by \"%s\"?",
            row.extension, description, row.description);
  return MessageBoxA(state.ownerWindow, question, "Install", MB_YESNO | MB_ICONQUESTION) == IDYES ? REPLACE : DECLINED;
}

// Creates the key into the slot and writes its default value; the slot stays null when the
// key cannot be created.
bool CreateWithValue(HKEY parent, const char* name, const char* value, HKEY& slot) {
  HKEY key;
  if (RegCreateKeyA(parent, name, &key) != ERROR_SUCCESS) return false;
  slot = key;
  return SetDefaultText(key, value) == ERROR_SUCCESS;
}

// The extension's key, the type's key with its description, icon, verb and command, each only
// when the one before was written; what was written stays when the chain breaks off.
bool WriteChain(KeyPair& keys, const FileTypeEntry& row, const char* extensionKey, const char* identifier,
                const char* directory) {
  char path[PATH_CAPACITY];
  char icon[FORMAT_CAPACITY];
  char command[FORMAT_CAPACITY];
  if (!JoinPath(path, sizeof path, {directory, row.iconFile})) return false;
  wsprintfA(icon, "%s,-%d", path, row.iconResource);
  if (!JoinPath(path, sizeof path, {directory, row.program})) return false;
  // The program's path in quotes, as the platform would otherwise try each shorter path before a blank.
  wsprintfA(command, "\"%s\" \"%%1\"", path);
  if (!CreateWithValue(HKEY_CLASSES_ROOT, extensionKey, identifier, keys.first)) return false;
  keys.CloseFirst();
  if (!CreateWithValue(HKEY_CLASSES_ROOT, identifier, row.description, keys.first) ||
      !CreateWithValue(keys.first, "DefaultIcon", icon, keys.second))
    return false;
  keys.CloseSecond();
  if (!CreateWithValue(keys.first, "Shell\\Open", "&Open", keys.second)) return false;
  keys.CloseFirst();
  keys.first = keys.second;
  keys.second = nullptr;
  return CreateWithValue(keys.first, "command", command, keys.second);
}

void NoteEarlierFileType(const char* extensionKey, const char* earlier) {
  HKEY key;
  if (CreateRecordedKey(HKEY_LOCAL_MACHINE, installState.catalogue.productKey, &key) != ERROR_SUCCESS) return;
  SetNamedText(key, extensionKey, earlier);
  RegCloseKey(key);
}

} // namespace

bool FileTypeKeys(const FileTypeEntry& row, char* extensionKey, char* identifier, size_t capacity) {
  return JoinPath(extensionKey, capacity, {".", row.extension}) && JoinPath(identifier, capacity, {row.extension, "file"});
}

int RegisterFileType(RegistrationState& state, const FileTypeEntry& row, const char* directory) {
  char extensionKey[PATH_CAPACITY];
  char identifier[PATH_CAPACITY];
  char earlier[PATH_CAPACITY];
  if (!FileTypeKeys(row, extensionKey, identifier, PATH_CAPACITY)) return 0;
  const Takeover takeover = AskBeforeTakingOver(state, row, extensionKey, earlier);
  if (takeover == DECLINED || !SaveKeyBeforeChange(HKEY_CLASSES_ROOT, extensionKey) ||
      !SaveKeyBeforeChange(HKEY_CLASSES_ROOT, identifier))
    return 0;
  if (takeover == REPLACE) {
    // Another identifier that the extension named before stays where it is, and is noted, so
    // that the uninstaller can give the type back to it.
    DeleteKeyTree(HKEY_CLASSES_ROOT, identifier);
    if (!EqualIgnoringCase(earlier, identifier)) NoteEarlierFileType(extensionKey, earlier);
  }
  KeyPair keys{nullptr, nullptr};
  const bool written = WriteChain(keys, row, extensionKey, identifier, directory);
  keys.CloseBoth();
  return written ? 1 : 0;
}
