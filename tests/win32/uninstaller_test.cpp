// The uninstaller's removals against Wine's registry and scripted "PROGMAN" servers: what goes
// and what stays on a whole and on a half-removed installation. (Wine's desktop may run a shell
// server of its own, so a run without any server cannot be staged here.)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "group_removal.h"
#include "registry_removal.h"
#include "scripted_progman_server.h"

namespace {

constexpr char UNINSTALL_ENTRY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TARN 12.3";
constexpr char MAKER_KEY[] = "SOFTWARE\\Veltrum";
constexpr char PRODUCT_KEY[] = "SOFTWARE\\Veltrum\\TARN\\CurrentVersion";
constexpr char APP_PATHS_KEY[] = "SOFTWARE\\Veltrum\\TARN\\CurrentVersion\\AppPaths";
constexpr char OTHER_PRODUCT_KEY[] = "SOFTWARE\\Veltrum\\Other";

bool KeyExists(HKEY root, const char* path) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool SetDefault(HKEY root, const char* path, const std::string& value) {
  return RegSetValueA(root, path, REG_SZ, value.c_str(), static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
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
    ASSERT_TRUE(SetDefault(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY, ""));
    ASSERT_TRUE(SetDefault(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "KQZV 470 385/6  R12D"));
    ASSERT_TRUE(SetDefault(HKEY_LOCAL_MACHINE, APP_PATHS_KEY, "C:\\TARN\\tarn.exe"));
    ASSERT_TRUE(SetDefault(HKEY_CLASSES_ROOT, ".trn", "trnfile"));
    ASSERT_TRUE(SetDefault(HKEY_CLASSES_ROOT, "trnfile\\Shell\\Open\\command", "C:\\TARN\\tarn.exe \"%1\""));
  }
  void TearDown() override {
    for (const char* key : {UNINSTALL_ENTRY, MAKER_KEY}) DeleteTree(HKEY_LOCAL_MACHINE, key);
    for (const char* key : {".trn", "trnfile", "otherfile"}) DeleteTree(HKEY_CLASSES_ROOT, key);
  }
};

TEST_F(RegistryRemovalTest, EverythingGoesUpToTheMakerKeyWhenNothingElseIsInIt) {
  EXPECT_TRUE(ProductKeysPresent());
  EXPECT_TRUE(AssociationsOurs());
  RemovalReport report;
  RemoveProductKeys(false, report);
  EXPECT_TRUE(report.keysRemoved);
  EXPECT_EQ(RemoveAssociations(), AssociationOutcome::REMOVED);
  for (const char* key : {UNINSTALL_ENTRY, PRODUCT_KEY, "SOFTWARE\\Veltrum\\TARN", MAKER_KEY})
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, key)) << key;
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".trn"));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "trnfile"));
  EXPECT_FALSE(ProductKeysPresent());
  EXPECT_FALSE(AssociationsOurs());
}

TEST_F(RegistryRemovalTest, AnotherProductOfTheMakerAndTheEntryForASecondRunStay) {
  ASSERT_TRUE(SetDefault(HKEY_LOCAL_MACHINE, OTHER_PRODUCT_KEY, "another product"));
  RemovalReport report;
  RemoveProductKeys(true, report);
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Veltrum\\TARN"));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, OTHER_PRODUCT_KEY));
  EXPECT_TRUE(ProductKeysPresent()) << "the entry still names the product";
}

TEST_F(RegistryRemovalTest, AHalfRemovedInstallationIsFinishedWithoutComplaint) {
  DeleteTree(HKEY_LOCAL_MACHINE, PRODUCT_KEY);
  DeleteTree(HKEY_CLASSES_ROOT, "trnfile");
  RemovalReport report;
  RemoveProductKeys(false, report);
  EXPECT_TRUE(report.keysRemoved) << "the uninstall entry was still there";
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, MAKER_KEY));
  EXPECT_EQ(RemoveAssociations(), AssociationOutcome::REMOVED);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".trn"));

  RemovalReport again;
  RemoveProductKeys(false, again);
  EXPECT_FALSE(again.keysRemoved);
  EXPECT_EQ(RemoveAssociations(), AssociationOutcome::ABSENT);
}

TEST_F(RegistryRemovalTest, AnExtensionNamingAnotherIdentifierKeepsBothTypes) {
  ASSERT_TRUE(SetDefault(HKEY_CLASSES_ROOT, ".trn", "otherfile"));
  ASSERT_TRUE(SetDefault(HKEY_CLASSES_ROOT, "otherfile", "Other library"));
  EXPECT_FALSE(AssociationsOurs());
  EXPECT_EQ(RemoveAssociations(), AssociationOutcome::OTHER_PROGRAM);
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, ".trn"));
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "otherfile"));
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "trnfile"));
}

TEST(GroupRemoval, OneDeleteGroupWithoutRequestsAndAPositiveAnswerRemovesIt) {
  ScriptedProgmanServer server({});
  EXPECT_EQ(RemoveProgramGroup(), GroupOutcome::REMOVED);
  server.Flush();
  EXPECT_EQ(server.Received(), (std::vector<std::string>{"INITIATE PROGMAN PROGMAN", "EXECUTE [DeleteGroup(\"TARN\")]",
                                                         "TERMINATE"}));
}

TEST(GroupRemoval, ARefusedDeleteGroupIsAGroupTheShellDoesNotHave) {
  ServerScript script;
  script.commandsAnswer = ServerScript::ACK_NEGATIVE;
  ScriptedProgmanServer server(script);
  EXPECT_EQ(RemoveProgramGroup(), GroupOutcome::ABSENT);
}

} // namespace
