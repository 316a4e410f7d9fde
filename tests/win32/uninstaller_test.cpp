// The uninstaller's registry removals against Wine's registry: what goes and what stays on a
// whole and on a half-removed installation, at a drive's root, for another folder's
// installation, and around another program's file type; and which paths name this folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "installation.h"
#include "registry_removal.h"

namespace {

constexpr char UNINSTALL_ENTRY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TARN 12.3";
constexpr char MAKER_KEY[] = "SOFTWARE\\Veltrum";
constexpr char PRODUCT_KEY[] = "SOFTWARE\\Veltrum\\TARN\\CurrentVersion";
constexpr char APP_PATHS_KEY[] = "SOFTWARE\\Veltrum\\TARN\\CurrentVersion\\AppPaths";
constexpr char OTHER_PRODUCT_KEY[] = "SOFTWARE\\Veltrum\\Other";
constexpr char COMMAND_KEY[] = "trnfile\\Shell\\Open\\command";

bool KeyExists(HKEY root, const char* path) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool SetDefault(HKEY root, const char* path, const std::string& value) {
  return RegSetValueA(root, path, REG_SZ, value.c_str(), static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
}

bool SetNamed(HKEY root, const char* path, const char* name, const std::string& value) {
  HKEY key;
  if (RegCreateKeyA(root, path, &key) != ERROR_SUCCESS) return false;
  const LONG status = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

std::string Default(HKEY root, const char* path) {
  char value[MAX_PATH] = "";
  LONG size = sizeof value;
  return RegQueryValueA(root, path, value, &size) == ERROR_SUCCESS ? value : "(no key)";
}

Installation InstallationIn(const std::string& folder, bool atRoot = false) {
  Installation installation{};
  const std::string program = folder + (atRoot ? "" : "\\") + "uninstal.exe";
  lstrcpyA(installation.folder, folder.c_str());
  lstrcpyA(installation.program, program.c_str());
  installation.programName = installation.program + program.size() - 12;
  installation.atRoot = atRoot;
  return installation;
}

void DeleteTree(HKEY root, const char* path) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  char name[MAX_PATH];
  while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) {
    const std::string child = std::string(path) + "\\" + name;
    DeleteTree(root, child.c_str());
  }
  RegCloseKey(key);
  RegDeleteKeyA(root, path);
}

class RegistryRemovalTest : public testing::Test {
protected:
  void SetUp() override {
    TearDown();
    Register("C:\\TARN");
  }
  void TearDown() override {
    for (const char* key : {UNINSTALL_ENTRY, MAKER_KEY}) DeleteTree(HKEY_LOCAL_MACHINE, key);
    for (const char* key : {".trn", "trnfile", "otherfile"}) DeleteTree(HKEY_CLASSES_ROOT, key);
  }
  // As setup.exe writes them for a destination, which is given as the values hold it.
  void Register(const std::string& destination) {
    ASSERT_TRUE(SetNamed(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY, "UninstallString", destination + "\\uninstal.exe"));
    ASSERT_TRUE(SetDefault(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "KQZV 470 385/6  R12D"));
    ASSERT_TRUE(SetDefault(HKEY_LOCAL_MACHINE, APP_PATHS_KEY, destination + "\\tarn.exe"));
    ASSERT_TRUE(SetDefault(HKEY_CLASSES_ROOT, ".trn", "trnfile"));
    ASSERT_TRUE(SetDefault(HKEY_CLASSES_ROOT, "trnfile", "TARN Library"));
    ASSERT_TRUE(SetDefault(HKEY_CLASSES_ROOT, COMMAND_KEY, destination + "\\tarn.exe \"%1\""));
  }
  RemovalReport RemoveAll(const Installation& installation, bool keepEntry = false) {
    RemovalReport report;
    RemoveAssociations(installation, report);
    RemoveProductKeys(installation, keepEntry, report);
    return report;
  }
  const Installation installation = InstallationIn("C:\\TARN");
};

TEST_F(RegistryRemovalTest, EverythingGoesUpToTheMakerKeyWhenNothingElseIsInIt) {
  EXPECT_TRUE(ProductKeysOurs(installation));
  EXPECT_TRUE(AssociationsOurs(installation));
  const RemovalReport report = RemoveAll(installation);
  EXPECT_TRUE(report.keysRemoved);
  EXPECT_EQ(report.association, AssociationOutcome::REMOVED);
  EXPECT_TRUE(report.keysLeft.Empty());
  for (const char* key : {UNINSTALL_ENTRY, PRODUCT_KEY, "SOFTWARE\\Veltrum\\TARN", MAKER_KEY})
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, key)) << key;
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".trn"));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "trnfile"));
  EXPECT_FALSE(ProductKeysOurs(installation));
  EXPECT_FALSE(AssociationsOurs(installation));
}

TEST_F(RegistryRemovalTest, AnotherProductOfTheMakerAndTheEntryForASecondRunStay) {
  ASSERT_TRUE(SetDefault(HKEY_LOCAL_MACHINE, OTHER_PRODUCT_KEY, "another product"));
  RemoveAll(installation, true);
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Veltrum\\TARN"));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, OTHER_PRODUCT_KEY));
  EXPECT_TRUE(ProductKeysOurs(installation)) << "the entry still names this folder";
}

TEST_F(RegistryRemovalTest, AHalfRemovedInstallationIsFinishedWithoutComplaint) {
  DeleteTree(HKEY_LOCAL_MACHINE, PRODUCT_KEY);
  DeleteTree(HKEY_CLASSES_ROOT, "trnfile");
  const RemovalReport report = RemoveAll(installation);
  EXPECT_TRUE(report.keysRemoved) << "the uninstall entry was still there";
  EXPECT_EQ(report.association, AssociationOutcome::REMOVED);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, MAKER_KEY));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".trn"));

  const RemovalReport again = RemoveAll(installation);
  EXPECT_FALSE(again.keysRemoved);
  EXPECT_EQ(again.association, AssociationOutcome::ABSENT);
}

// A second installation in another folder wrote the same keys over this one's.
TEST_F(RegistryRemovalTest, WhatNamesAnotherFolderStays) {
  Register("C:\\TARN2");
  EXPECT_FALSE(ProductKeysOurs(installation));
  EXPECT_FALSE(AssociationsOurs(installation));
  const RemovalReport report = RemoveAll(installation);
  EXPECT_FALSE(report.keysRemoved);
  EXPECT_TRUE(report.entryElsewhere);
  EXPECT_TRUE(report.productElsewhere);
  EXPECT_EQ(report.association, AssociationOutcome::ANOTHER_FOLDER);
  EXPECT_EQ(Default(HKEY_LOCAL_MACHINE, APP_PATHS_KEY), "C:\\TARN2\\tarn.exe");
  EXPECT_EQ(Default(HKEY_CLASSES_ROOT, ".trn"), "trnfile");
  EXPECT_EQ(Default(HKEY_CLASSES_ROOT, COMMAND_KEY), "C:\\TARN2\\tarn.exe \"%1\"");
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY));
}

// At a root setup.exe writes "C:\\uninstal.exe" into the entry and "C:\tarn.exe" elsewhere.
TEST_F(RegistryRemovalTest, AtADriveRootBothFormsNameTheRoot) {
  Register("C:\\");
  ASSERT_TRUE(SetDefault(HKEY_LOCAL_MACHINE, APP_PATHS_KEY, "C:\\tarn.exe"));
  const Installation atRoot = InstallationIn("C:\\", true);
  EXPECT_TRUE(ProductKeysOurs(atRoot));
  EXPECT_TRUE(AssociationsOurs(atRoot));
  RemoveAll(atRoot);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, MAKER_KEY));
}

TEST_F(RegistryRemovalTest, TheTypeGoesBackToTheEarlierOneAndOtherProgramsKeysStay) {
  ASSERT_TRUE(SetDefault(HKEY_CLASSES_ROOT, "otherfile", "Other library"));
  ASSERT_TRUE(SetNamed(HKEY_LOCAL_MACHINE, PRODUCT_KEY, ".trn", "otherfile"));
  ASSERT_TRUE(SetNamed(HKEY_CLASSES_ROOT, ".trn\\ShellNew", "NullFile", ""));
  ASSERT_TRUE(SetDefault(HKEY_CLASSES_ROOT, "trnfile\\Shell\\Print\\command", "printer.exe \"%1\""));
  const RemovalReport report = RemoveAll(installation);
  EXPECT_EQ(report.association, AssociationOutcome::GIVEN_BACK);
  EXPECT_EQ(Default(HKEY_CLASSES_ROOT, ".trn"), "otherfile");
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, ".trn\\ShellNew"));
  EXPECT_EQ(Default(HKEY_CLASSES_ROOT, "trnfile"), "") << "the description that setup.exe wrote";
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "trnfile\\Shell\\Open"));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "trnfile\\DefaultIcon"));
  EXPECT_EQ(Default(HKEY_CLASSES_ROOT, "trnfile\\Shell\\Print\\command"), "printer.exe \"%1\"");
}

TEST_F(RegistryRemovalTest, AnExtensionNamingAnotherIdentifierKeepsBothTypes) {
  ASSERT_TRUE(SetDefault(HKEY_CLASSES_ROOT, ".trn", "otherfile"));
  ASSERT_TRUE(SetDefault(HKEY_CLASSES_ROOT, "otherfile", "Other library"));
  EXPECT_FALSE(AssociationsOurs(installation));
  EXPECT_EQ(RemoveAll(installation).association, AssociationOutcome::OTHER_PROGRAM);
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, ".trn"));
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "otherfile"));
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "trnfile"));
}

// Which values and shortcut targets name this installation's folder.
TEST(OwnFolder, ByItsLongOrShortNameInAnyCaseButNotByAnotherFolder) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Own Folder", nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  char shortName[MAX_PATH];
  ASSERT_NE(GetShortPathNameA("C:\\Own Folder", shortName, sizeof shortName), 0u);
  const Installation own = InstallationIn("C:\\Own Folder");
  EXPECT_TRUE(NamesOwnFile(own, "C:\\Own Folder\\tarn.exe", "tarn.exe"));
  EXPECT_TRUE(NamesOwnFile(own, "c:\\own folder\\TARN.EXE \"%1\"", "tarn.exe"));
  EXPECT_TRUE(NamesOwnFile(own, (std::string(shortName) + "\\tarn.exe,-599").c_str(), "tarn.exe"));
  EXPECT_TRUE(NamesOwnFile(own, "\"C:\\Own Folder\\tarn.exe\" \"%1\"", "tarn.exe"));
  EXPECT_TRUE(InOwnFolder(own, "C:\\Own Folder\\tarn.hlp"));
  EXPECT_FALSE(NamesOwnFile(own, "C:\\Own Folder2\\tarn.exe", "tarn.exe"));
  EXPECT_FALSE(NamesOwnFile(own, "C:\\Own Folder\\sub\\tarn.exe", "tarn.exe"));
  EXPECT_FALSE(NamesOwnFile(own, "C:\\Own Folder\\tarn.exe2", "tarn.exe"));
  EXPECT_FALSE(NamesOwnFile(own, "", "tarn.exe"));
  EXPECT_FALSE(InOwnFolder(own, "tarn.exe"));
  RemoveDirectoryA("C:\\Own Folder");
}

} // namespace
