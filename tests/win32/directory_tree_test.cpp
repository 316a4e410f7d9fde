#include "destination/directories.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "beep_counter.h"
#include "whole_file.h"

namespace {

const std::string ROOT = "C:\\tree-tests";

// base, then levels of up to 50 characters, so many that the whole path has `length` characters.
std::string PathOfLength(size_t length, const std::string& base = ROOT) {
  std::string path = base;
  while (path.size() < length) {
    const size_t rest = length - path.size() - 1;
    path += "\\" + std::string(rest < 50 ? rest : 50, 'L');
  }
  return path;
}

class DirectoryTree : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(beeps.Installed());
    ASSERT_TRUE(CreateDirectoryTree(ROOT.c_str()));
  }
  BeepCounter beeps;
};

TEST_F(DirectoryTree, ExistenceTellsDirectoriesFromFiles) {
  ASSERT_TRUE(WriteWholeFile(ROOT + "\\plain.txt", ""));
  EXPECT_TRUE(DirectoryExists(ROOT.c_str()));
  EXPECT_FALSE(FileExists(ROOT.c_str()));
  EXPECT_TRUE(FileExists((ROOT + "\\plain.txt").c_str()));
  EXPECT_FALSE(DirectoryExists((ROOT + "\\plain.txt").c_str()));
  EXPECT_FALSE(DirectoryExists((ROOT + "\\missing").c_str()));
  EXPECT_FALSE(FileExists((ROOT + "\\missing").c_str()));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(nullptr));
  EXPECT_FALSE(DirectoryExists(nullptr));
}

TEST_F(DirectoryTree, CreatesEveryMissingLevel) {
  ASSERT_TRUE(CreateDirectoryA((ROOT + "\\x").c_str(), nullptr));
  EXPECT_TRUE(CreateDirectoryTree((ROOT + "\\x\\y\\z").c_str()));
  EXPECT_TRUE(DirectoryExists((ROOT + "\\x\\y").c_str()));
  EXPECT_TRUE(DirectoryExists((ROOT + "\\x\\y\\z").c_str()));
  EXPECT_TRUE(CreateDirectoryTree((ROOT + "\\x\\y\\z\\").c_str())); // all there already
  EXPECT_EQ(beeps.Beeps(), 0);
}

TEST_F(DirectoryTree, AFileInThePathFailsAndKeepsTheLevelsAbove) {
  ASSERT_TRUE(CreateDirectoryTree((ROOT + "\\made").c_str()));
  ASSERT_TRUE(WriteWholeFile(ROOT + "\\made\\blocker", ""));
  EXPECT_FALSE(CreateDirectoryTree((ROOT + "\\made\\blocker\\below").c_str()));
  EXPECT_TRUE(DirectoryExists((ROOT + "\\made").c_str()));
  EXPECT_FALSE(DirectoryExists((ROOT + "\\made\\blocker\\below").c_str()));
  EXPECT_EQ(beeps.Beeps(), 1);
}

TEST_F(DirectoryTree, BareRootsSucceedWithoutCreatingAnything) {
  EXPECT_TRUE(CreateDirectoryTree("C:\\"));
  EXPECT_TRUE(CreateDirectoryTree("C:"));
  EXPECT_TRUE(CreateDirectoryTree("Q:\\")); // no such drive: still nothing to create
  EXPECT_EQ(beeps.Beeps(), 0);
}

TEST_F(DirectoryTree, PathsNotOfTheDriveFormAreRefusedSilently) {
  EXPECT_FALSE(CreateDirectoryTree("\"C:\\tree-tests\\quoted"));
  EXPECT_FALSE(CreateDirectoryTree("\\\\server\\share\\dir"));
  EXPECT_FALSE(CreateDirectoryTree("relative"));
  EXPECT_FALSE(CreateDirectoryTree(""));
  EXPECT_FALSE(DirectoryExists("C:\\tree-tests\\quoted"));
  EXPECT_EQ(beeps.Beeps(), 0);
}

TEST_F(DirectoryTree, ACharacterTheFileSystemRefusesFails) {
  EXPECT_FALSE(CreateDirectoryTree((ROOT + "\\bad|name").c_str()));
  EXPECT_EQ(beeps.Beeps(), 1);
}

TEST_F(DirectoryTree, LongestPathThatTakesABackslashIsCreated) {
  const std::string path = PathOfLength(258);
  EXPECT_TRUE(CreateDirectoryTree(path.c_str()));
  EXPECT_TRUE(DirectoryExists(path.c_str()));
}

TEST_F(DirectoryTree, PathsWithNoRoomForTheBackslashAreRefusedWhole) {
  const std::string base = ROOT + "\\refused";
  for (size_t length : {259u, 260u, 400u}) {
    EXPECT_FALSE(CreateDirectoryTree(PathOfLength(length, base).c_str())) << length;
    EXPECT_FALSE(DirectoryExists(base.c_str())) << length;
  }
  EXPECT_EQ(beeps.Beeps(), 3);
  EXPECT_TRUE(CreateDirectoryTree((PathOfLength(258, base) + "\\").c_str()));
}

} // namespace
