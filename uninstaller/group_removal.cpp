#include "group_removal.h"

#include <windows.h>

#include "core/catalogue.h"
#include "shell_link.h"
#include "wizard/product.h"

namespace {

const char SHELL_FOLDERS_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// Shortcuts are small; a larger file is not one the shell made for the product.
constexpr DWORD LINK_LIMIT = 16384;

enum class ItemOwner { NONE, OURS, ANOTHER_FOLDER };

// The user's Programs folder and the group's folder in it.
bool GroupFolder(char (&folder)[PATH_CAPACITY]) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, SHELL_FOLDERS_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  char programs[PATH_CAPACITY];
  DWORD type = 0;
  DWORD size = sizeof programs - 1;
  const bool read = RegQueryValueExA(key, "Programs", nullptr, &type, reinterpret_cast<BYTE*>(programs), &size) ==
                        ERROR_SUCCESS &&
                    type == REG_SZ;
  RegCloseKey(key);
  if (!read) return false;
  programs[size] = '\0';
  return JoinDirectoryAndName(folder, sizeof folder, programs, ProductGroupName());
}

bool ItemPath(const char* folder, const GroupItem& item, char (&path)[PATH_CAPACITY]) {
  return JoinPath(path, sizeof path, {folder, "\\", item.caption, ".lnk"});
}

// Whom the item starts: none when it is missing or not a shortcut with a local path.
ItemOwner Owner(const Installation& installation, const char* path, unsigned char* link) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ItemOwner::NONE;
  DWORD size = 0;
  const bool read = ReadFile(file, link, LINK_LIMIT, &size, nullptr) != FALSE;
  CloseHandle(file);
  char target[PATH_CAPACITY];
  if (!read || !ShellLinkLocalPath(link, size, target, sizeof target)) return ItemOwner::NONE;
  return InOwnFolder(installation, target) ? ItemOwner::OURS : ItemOwner::ANOTHER_FOLDER;
}

// Visits the product's items in the group; false when the group cannot be read.
template <typename Visit>
bool ForEachItem(const Installation& installation, Visit visit) {
  char folder[PATH_CAPACITY];
  char path[PATH_CAPACITY];
  if (!GroupFolder(folder)) return false;
  auto* link = static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), 0, LINK_LIMIT));
  if (link == nullptr) return false;
  for (const GroupItem& item : TableRows(productGroupItems))
    if (ItemPath(folder, item, path)) visit(path, Owner(installation, path, link));
  HeapFree(GetProcessHeap(), 0, link);
  return true;
}

} // namespace

const char* ProductGroupName() {
  return EndRow(productGroupItems)->caption;
}

bool GroupItemsOurs(const Installation& installation) {
  bool ours = false;
  ForEachItem(installation, [&](const char*, ItemOwner owner) { ours |= owner == ItemOwner::OURS; });
  return ours;
}

GroupOutcome RemoveProgramGroup(const Installation& installation) {
  char folder[PATH_CAPACITY];
  if (!GroupFolder(folder)) return GroupOutcome::FAILED;
  if (!ExistsPath(folder)) return GroupOutcome::ABSENT;
  bool failed = false;
  bool another = false;
  const bool read = ForEachItem(installation, [&](const char* path, ItemOwner owner) {
    if (owner == ItemOwner::OURS) failed |= !DeleteFileA(path);
    another |= owner == ItemOwner::ANOTHER_FOLDER;
  });
  if (!read || failed) return GroupOutcome::FAILED;
  if (another) return GroupOutcome::ANOTHER_FOLDER;
  // Only an empty folder can be removed: what is left is the user's.
  return RemoveDirectoryA(folder) ? GroupOutcome::REMOVED : GroupOutcome::USERS_ITEMS;
}
