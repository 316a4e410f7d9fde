// The desktop file over real files: Save and Load with their failure codes, the settings
// record from the real environment, and the file that a new installation receives.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "destination/directories.h"
#include "expected_desktop_file.h"
#include "finish/desktop_file.h"
#include "finish/finish.h"
#include "finish/simple_file.h"
#include "whole_file.h"
#include "wizard/product.h"

namespace {

const std::string FOLDER = "C:\\desktop-file-tests";

std::string PathOf(const std::string& name) { return FOLDER + "\\" + name; }

std::string Header(const std::string& name, uint16_t version, uint16_t listLength) {
  std::string header = "DSK";
  header += static_cast<char>(name.size());
  header += name;
  header.append(8 - name.size(), '\0');
  header += static_cast<char>(version & 0xFF);
  header += static_cast<char>(version >> 8);
  header += static_cast<char>(listLength & 0xFF);
  header += static_cast<char>(listLength >> 8);
  return header;
}

// Item 7 holding "ab", then the closing key.
const std::string LIST("\x07\x00\x06\x00" "ab\x00\x00", 8);

class DesktopFileOnDisk : public testing::Test {
protected:
  void SetUp() override { CreateDirectoryA(FOLDER.c_str(), nullptr); }

  // Loads the bytes, written as a file, into an object that holds item 1 ("held").
  int32_t LoadBytes(const std::string& bytes) {
    const std::string path = PathOf("load.dsk");
    EXPECT_TRUE(WriteWholeFile(path, bytes));
    return desktop.Load(path.c_str(), 256);
  }

  std::string ListBytes() const {
    return desktop.list == nullptr ? "(none)" : std::string(reinterpret_cast<const char*>(desktop.list), desktop.ListLength());
  }

  DesktopFile desktop{"DSK", "TARN32A", 0x1203};
};

TEST_F(DesktopFileOnDisk, SavesHeaderAndListAndLoadsThemBack) {
  ASSERT_EQ(1, desktop.SetItem(7, "ab", 2));
  const std::string path = PathOf("saved.dsk");
  ASSERT_EQ(0, desktop.Save(path.c_str()));
  EXPECT_EQ(ReadWholeFile(path), Header("TARN32A", 0x1203, 8) + LIST);

  DesktopFile loaded("DSK", "TARN32A", 0x1203);
  ASSERT_EQ(0, loaded.Load(path.c_str(), 256));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(loaded.list), loaded.ListLength()), LIST);
}

TEST_F(DesktopFileOnDisk, LoadTakesVersionsFromTheLowestUpToItsOwn) {
  EXPECT_EQ(0, LoadBytes(Header("TARN32A", 0x0100, 8) + LIST));
  EXPECT_EQ(ListBytes(), LIST);
  EXPECT_EQ(0x1203, ReadLittle16(desktop.header + DESKTOP_VERSION_AT)) << "the object keeps its version";
  EXPECT_EQ(DESKTOP_MISMATCH, LoadBytes(Header("TARN32A", 0x1204, 8) + LIST));
  EXPECT_EQ(DESKTOP_MISMATCH, LoadBytes(Header("TARN32A", 0x00FF, 8) + LIST));
  EXPECT_EQ(DESKTOP_MISMATCH, LoadBytes(Header("TARN32B", 0x1203, 8) + LIST));
  EXPECT_EQ(DESKTOP_MISMATCH, LoadBytes(Header("tARN32A", 0x1203, 8) + LIST));
}

// Whatever went wrong, the list held before stays.
TEST_F(DesktopFileOnDisk, LoadFailuresKeepTheListHeld) {
  desktop.SetItem(1, "held", 4);
  const std::string held = ListBytes();
  EXPECT_EQ(FILE_ERROR_OPEN, desktop.Load(PathOf("missing.dsk").c_str(), 256));
  EXPECT_EQ(FILE_ERROR_READ, LoadBytes(Header("TARN32A", 0x1203, 8).substr(0, 15))) << "short header";
  EXPECT_EQ(FILE_ERROR_READ, LoadBytes(Header("TARN32A", 0x1203, 9) + LIST)) << "short list";
  EXPECT_EQ(DESKTOP_NO_MEMORY, LoadBytes(Header("TARN32A", 0x1203, 0))) << "no list";
  EXPECT_EQ(DESKTOP_MISMATCH, LoadBytes(Header("TARN32A", 0x1203, 8) + std::string("\x07\x00\x09\x00" "ab\x00\x00", 8)))
      << "an item size beyond the list";
  EXPECT_EQ(ListBytes(), held);
}

TEST_F(DesktopFileOnDisk, SaveFailures) {
  EXPECT_EQ(FILE_ERROR_CREATE, desktop.Save(PathOf("no-such-folder\\x.dsk").c_str()));
  desktop.FreeList();
  const std::string path = PathOf("never.dsk");
  EXPECT_EQ(DESKTOP_NO_LIST, desktop.Save(path.c_str()));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str())) << "nothing is written";
}

// The record as a new desktop file gets it from the process's environment.
TEST(DesktopSettingsFromEnvironment, FollowsTarnwinLibAndTemp) {
  const std::string temporary = "C:\\" + std::string(227, 'T');
  ASSERT_TRUE(SetEnvironmentVariableA("TARNWIN_LIB", "E:\\Libraries\\TARN"));
  ASSERT_TRUE(SetEnvironmentVariableA("TEMP", temporary.c_str()));
  DesktopSettings settings;
  ReadDesktopSettings(settings);
  const std::string file = ExpectedDesktopFile("E:\\Libraries\\TARN", temporary.c_str());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(settings.bytes), sizeof settings.bytes),
            file.substr(20, DESKTOP_SETTINGS_SIZE));
  EXPECT_EQ(settings.bytes[796 + 218], 'T');
  EXPECT_EQ(settings.bytes[796 + 219], '\0') << "219 characters kept";

  ASSERT_TRUE(SetEnvironmentVariableA("TARNWIN_LIB", nullptr));
  ASSERT_TRUE(SetEnvironmentVariableA("TEMP", nullptr));
  ReadDesktopSettings(settings);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(settings.bytes), sizeof settings.bytes),
            ExpectedDesktopFile(nullptr, nullptr).substr(20, DESKTOP_SETTINGS_SIZE));
}

class DesktopFileCreation : public testing::Test {
protected:
  void SetUp() override {
    CreateDirectoryA(FOLDER.c_str(), nullptr);
    StoreDestinationDirectory(FOLDER.c_str());
    DeleteFileA(path.c_str());
    ASSERT_TRUE(SetEnvironmentVariableA("TARNWIN_LIB", "F:\\tarn\\lib"));
    ASSERT_TRUE(SetEnvironmentVariableA("TEMP", "C:\\windows\\temp"));
  }
  void TearDown() override {
    DeleteFileA(path.c_str());
    RemoveDirectoryA(path.c_str());
  }

  const std::string path = PathOf("TARN.DSK");
};

TEST_F(DesktopFileCreation, ANewInstallationGetsTheSettingsItemAlone) {
  CreateDesktopFile(DESKTOP_FILE_NAME, DESKTOP_NAME, DESKTOP_VERSION);
  const std::string file = ReadWholeFile(path);
  EXPECT_EQ(file.size(), 1102u);
  EXPECT_EQ(file, ExpectedDesktopFile("F:\\tarn\\lib", "C:\\windows\\temp"));
}

TEST_F(DesktopFileCreation, WhateverIsThereStaysAsItWas) {
  const std::string earlier = "not a desktop file at all";
  ASSERT_TRUE(WriteWholeFile(path, earlier));
  CreateDesktopFile(DESKTOP_FILE_NAME, DESKTOP_NAME, DESKTOP_VERSION);
  EXPECT_EQ(ReadWholeFile(path), earlier);

  ASSERT_TRUE(DeleteFileA(path.c_str()));
  ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
  CreateDesktopFile(DESKTOP_FILE_NAME, DESKTOP_NAME, DESKTOP_VERSION);
  EXPECT_NE(0u, GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace
