// The finishing step against Wine's real registry and files: the pending restart operations
// on the installed files go, every other one stays in its order; obsolete files go too.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/install_state.h"
#include "destination/directories.h"
#include "finish/finish.h"
#include "whole_file.h"
#include "wizard/wizard.h"

namespace {

const std::string DESTINATION = "C:\\Program Files\\TARN Finish";
const std::string OTHER_FILE = "C:\\finish-other.txt";
constexpr char SESSION_MANAGER[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr char PENDING[] = "PendingFileRenameOperations";
constexpr char NO_VALUE[] = "(no value)";

const char* const OBSOLETE_FILES[] = {"rtunzp32x.dll", "rtw243a32.dll", "rtw251a32.dll",
                                      "rtw256a32.dll", "rtw258a32.dll", "tarnunst.exe"};

std::string InDestination(const std::string& name) { return DESTINATION + "\\" + name; }

std::string Strings(std::initializer_list<std::string> strings) {
  std::string list;
  for (const std::string& text : strings) list += text + '\0';
  return list;
}

std::string LowerCase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

class FinishInstallationTest : public testing::Test {
protected:
  void SetUp() override {
    CreateDirectoryA("C:\\Program Files", nullptr);
    ASSERT_TRUE(CreateDirectoryA(DESTINATION.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(WriteWholeFile(InDestination("uninstal.exe"), "uninstaller"));
    ASSERT_TRUE(WriteWholeFile(OTHER_FILE, "other"));
    ZeroMemory(&installState.catalogue, sizeof installState.catalogue);
    FillCatalogue(installState.catalogue);
    StoreDestinationDirectory(DESTINATION.c_str());
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, SESSION_MANAGER, 0, KEY_ALL_ACCESS, &key));
    RegDeleteValueA(key, PENDING);
    char shortForm[MAX_PATH];
    const DWORD length = GetShortPathNameA(DESTINATION.c_str(), shortForm, sizeof shortForm);
    ASSERT_TRUE(length > 0 && length < sizeof shortForm);
    destinationShort = shortForm;
    ASSERT_NE(LowerCase(destinationShort), LowerCase(DESTINATION)) << "the short name must be another name";
  }

  void TearDown() override {
    RegDeleteValueA(key, PENDING);
    RegCloseKey(key);
  }

  void Seed(const std::string& bytes, DWORD type = REG_MULTI_SZ) {
    // Followed by a byte that is no NUL: the platform counts a NUL that follows an
    // unterminated string in, as a terminator the caller forgot.
    const std::string guarded = bytes + 'X';
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, PENDING, 0, type, reinterpret_cast<const BYTE*>(guarded.data()),
                                            static_cast<DWORD>(bytes.size())));
  }

  // The value's bytes, or NO_VALUE; its type in type.
  std::string Value(DWORD& type) const {
    char data[4096];
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, PENDING, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
      return NO_VALUE;
    return std::string(data, size);
  }

  std::string MultiStringValue() const {
    DWORD type = 0;
    const std::string value = Value(type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
    return value;
  }

  // Operations on the installed files, the destination and another file, in that order.
  std::string SeededList() const {
    return Strings({"\\??\\" + OTHER_FILE, "\\??\\C:\\finish-other.new",     //
                    "\\??\\" + InDestination("uninstal.exe"), "",            //
                    "\\??\\" + LowerCase(destinationShort), "",              //
                    "\\??\\" + InDestination("comproxy.dll"), "",            //
                    "\\??\\C:\\finish-gone.txt", ""});
  }

  HKEY key = nullptr;
  std::string destinationShort;
};

TEST_F(FinishInstallationTest, RemovesTheOperationsOnTheInstallationOnly) {
  ASSERT_TRUE(WriteWholeFile(InDestination("comproxy.dll"), "proxy"));
  Seed(SeededList() + '\0');
  FinishInstallation(0);
  EXPECT_EQ(MultiStringValue(),
            Strings({"\\??\\" + OTHER_FILE, "\\??\\C:\\finish-other.new", "\\??\\C:\\finish-gone.txt", "", ""}));
  DeleteFileA(InDestination("comproxy.dll").c_str());
}

// Short names exist only for files that exist: an operation on a missing comproxy.dll stays.
TEST_F(FinishInstallationTest, AnOperationOnAMissingComproxyStays) {
  DeleteFileA(InDestination("comproxy.dll").c_str());
  Seed(SeededList() + '\0');
  FinishInstallation(0);
  EXPECT_EQ(MultiStringValue(), Strings({"\\??\\" + OTHER_FILE, "\\??\\C:\\finish-other.new",
                                         "\\??\\" + InDestination("comproxy.dll"), "",
                                         "\\??\\C:\\finish-gone.txt", "", ""}));
}

TEST_F(FinishInstallationTest, WithoutAListNoneIsWritten) {
  FinishInstallation(0);
  DWORD type = 0;
  EXPECT_EQ(Value(type), NO_VALUE);
}

TEST_F(FinishInstallationTest, AValueOfAnotherTypeIsLeftAlone) {
  const std::string bytes = SeededList() + '\0';
  Seed(bytes, REG_BINARY);
  FinishInstallation(0);
  DWORD type = 0;
  EXPECT_EQ(Value(type), bytes);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
}

// The list is read up to the pair before the one cut off, and rewritten to end there.
TEST_F(FinishInstallationTest, AListWhoseLastPairIsCutOffEndsBeforeIt) {
  const std::string list = Strings({"\\??\\" + InDestination("uninstal.exe"), "",
                                    "\\??\\" + OTHER_FILE, "\\??\\C:\\finish-other.new",
                                    "\\??\\C:\\finish-cut.txt"}) +
                           "\\??\\C:\\finish-cu";
  Seed(list);
  FinishInstallation(0);
  EXPECT_EQ(MultiStringValue(), Strings({"\\??\\" + OTHER_FILE, "\\??\\C:\\finish-other.new", ""}));
}

TEST_F(FinishInstallationTest, ObsoleteFilesAreDeletedAndTheirAbsenceIsNoError) {
  for (const char* name : OBSOLETE_FILES) ASSERT_TRUE(WriteWholeFile(InDestination(name), name));
  FinishInstallation(0);
  for (const char* name : OBSOLETE_FILES)
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(InDestination(name).c_str())) << name;
  EXPECT_EQ(ReadWholeFile(InDestination("uninstal.exe")), "uninstaller");
  FinishInstallation(0);
}

// An earlier error leaves obsolete files where they are (the frame never gets here then).
TEST_F(FinishInstallationTest, AfterAnErrorObsoleteFilesStay) {
  ASSERT_TRUE(WriteWholeFile(InDestination("tarnunst.exe"), "old"));
  FinishInstallation(3);
  EXPECT_EQ(ReadWholeFile(InDestination("tarnunst.exe")), "old");
  DeleteFileA(InDestination("tarnunst.exe").c_str());
}

} // namespace
