#include "destination/directories.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/file_rules.h"
#include "core/install_state.h"

namespace {

const char CURRENT_VERSION_KEY[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// Sets or deletes a value of the system's CurrentVersion key, and puts the old one back.
class PlatformFolderValue {
public:
  explicit PlatformFolderValue(const char* name) : name(name) {
    DWORD size = sizeof saved;
    DWORD type = 0;
    HKEY key = Open();
    existed = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(saved), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
  }
  ~PlatformFolderValue() {
    if (existed)
      Write(saved);
    else
      Delete();
  }
  void Write(const std::string& value) const {
    HKEY key = Open();
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), value.size() + 1);
    RegCloseKey(key);
  }
  void Delete() const {
    HKEY key = Open();
    RegDeleteValueA(key, name);
    RegCloseKey(key);
  }

private:
  static HKEY Open() {
    HKEY key = nullptr;
    RegOpenKeyA(HKEY_LOCAL_MACHINE, CURRENT_VERSION_KEY, &key);
    return key;
  }
  const char* name;
  char saved[1024] = {};
  bool existed = false;
};

std::string DefaultDestinationFor(const char* productFolder) {
  StoreDestinationDirectory("unchanged");
  SetDefaultDestination(productFolder);
  return GetDestinationDirectory();
}

// A folder ending in a backslash that makes folder + "TARN" exactly `length` characters long.
std::string FolderForLength(size_t length) {
  return "D:\\" + std::string(length - 3 - 5, 'p') + "\\";
}

class DefaultDestination : public ::testing::Test {
protected:
  PlatformFolderValue programFiles{"ProgramFilesDir"};
};

TEST_F(DefaultDestination, FollowsTheProgramFilesValue) {
  programFiles.Write("D:\\Programs");
  EXPECT_EQ(DefaultDestinationFor("TARN"), "D:\\Programs\\TARN");
}

TEST_F(DefaultDestination, AValueEndingInABackslashGetsNoSecondOne) {
  programFiles.Write("D:\\Programs\\");
  EXPECT_EQ(DefaultDestinationFor("TARN"), "D:\\Programs\\TARN");
}

TEST_F(DefaultDestination, MissingOrEmptyValueGivesTheBuiltInFolder) {
  programFiles.Delete();
  EXPECT_EQ(DefaultDestinationFor("TARN"), "C:\\Program Files\\TARN");
  programFiles.Write("");
  EXPECT_EQ(DefaultDestinationFor("TARN"), "C:\\Program Files\\TARN");
}

TEST_F(DefaultDestination, NoNameChangesNothing) {
  EXPECT_EQ(DefaultDestinationFor(nullptr), "unchanged");
  EXPECT_EQ(DefaultDestinationFor(""), "unchanged");
}

TEST_F(DefaultDestination, LongestPathsAreKeptAndLongerOnesFallBack) {
  for (size_t length : {258u, 259u}) {
    programFiles.Write(FolderForLength(length));
    EXPECT_EQ(DefaultDestinationFor("TARN"), FolderForLength(length) + "TARN");
  }
  programFiles.Write(FolderForLength(260));
  EXPECT_EQ(DefaultDestinationFor("TARN"), "C:\\Program Files\\TARN");
  programFiles.Write(std::string(300, 'v')); // longer than the value may be read
  EXPECT_EQ(DefaultDestinationFor("TARN"), "C:\\Program Files\\TARN");
}

TEST_F(DefaultDestination, QueriesTheDestinationsDrive) {
  programFiles.Write("E:\\Programs"); // the test drive E: has 512-byte sectors
  installState.sectorSize.exponent = 3; // as if another drive had been queried before
  DefaultDestinationFor("TARN");
  EXPECT_EQ(installState.sectorSize.exponent, 9);
}

TEST(DestinationStore, KeepsAtMost259CharactersAsTyped) {
  StoreDestinationDirectory((std::string(259, 'k') + "cut").c_str());
  EXPECT_EQ(std::string(GetDestinationDirectory()), std::string(259, 'k'));
  StoreDestinationDirectory("\"D:\\Apps\\");
  EXPECT_STREQ(GetDestinationDirectory(), "\"D:\\Apps\\");
}

TEST(DestinationStore, SettingReturnsTheFreeSpaceOfTheFirstCharactersDrive) {
  EXPECT_EQ(StoreDestinationAndQueryDrive("Q:\\nowhere"), -1);
  EXPECT_STREQ(GetDestinationDirectory(), "Q:\\nowhere");
  EXPECT_GT(StoreDestinationAndQueryDrive("E:\\tarn"), 0);
}

class SharedDirectory : public ::testing::Test {
protected:
  PlatformFolderValue commonFiles{"CommonFilesDir"};
};

// The shared-files store is set once per run, so one test walks its whole life.
TEST_F(SharedDirectory, IsSetOnlyWithBothComponentsAndUsedOnlyOnTheDestinationsDrive) {
  commonFiles.Write("c:\\Shared Files\\");
  StoreDestinationDirectory("C:\\Program Files\\TARN");
  SetSharedDirectory("Veltrum", nullptr);
  SetSharedDirectory("", "Library");
  EXPECT_EQ(GetSharedDirectory(), nullptr);
  SetSharedDirectory("Veltrum", "Library");
  ASSERT_NE(GetSharedDirectory(), nullptr);
  EXPECT_STREQ(GetSharedDirectory(), "c:\\Shared Files\\Veltrum\\Library");
  StoreDestinationDirectory("D:\\TARN");
  EXPECT_EQ(GetSharedDirectory(), nullptr);
}

} // namespace

// What a run leaves behind (a shared-files directory, a refused replacement, a failure, an
// earlier drive's unit) must not reach the next start: the one reset clears it all.
TEST(InstallStateReset, StartsTheNextRunAsTheFirst) {
  StoreDestinationDirectory("E:\\earlier");
  SetSharedDirectory("Veltrum", "Library");
  installState.replaceChosen = 0;
  installState.sectorSize.exponent = 3;
  installState.lastTypedDrive = 'E';
  Fail(FAILURE_ABORTED, "earlier.dll");
  installState.exitAction = [] {};
  BuildPageSequence(installState.pageSequence, 9);
  ResetInstallState(GetModuleHandleA(nullptr));
  EXPECT_STREQ(GetDestinationDirectory(), "");
  EXPECT_STREQ(installState.sharedDirectory, "");
  EXPECT_EQ(installState.replaceChosen, 1) << "Yes is preselected again";
  EXPECT_EQ(installState.sectorSize.exponent, 9);
  EXPECT_EQ(installState.lastTypedDrive, '\0');
  EXPECT_EQ(installState.failure.code, NO_FAILURE);
  EXPECT_EQ(installState.failure.Argument(), nullptr);
  EXPECT_EQ(installState.exitAction, nullptr);
  EXPECT_EQ(installState.pageSequence.entries, nullptr);
  EXPECT_EQ(installState.instance, GetModuleHandleA(nullptr));
}
