#include "finish/simple_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "import_patch.h"

namespace {

const std::string FOLDER = "C:\\simple-file-tests";
// A 2 MiB tmpfs (TARN_WINE_DRIVES), filled up by one test.
const std::string FULL_DRIVE_FILE = "E:\\filler";
constexpr int FULL_DRIVE_MOST_BLOCKS = 1024;

std::string PathOf(const char* name) {
  CreateDirectoryA(FOLDER.c_str(), nullptr);
  return FOLDER + "\\" + name;
}

std::string FileWith(const char* name, const std::string& text) {
  const std::string path = PathOf(name);
  SimpleFile file;
  EXPECT_EQ(file.Create(path.c_str(), 0), 0);
  EXPECT_EQ(file.Write(text.data(), static_cast<UINT>(text.size())), text.size());
  return path;
}

// The handle closed behind the object's back, so that its own close fails.
void CloseUnderneath(const SimpleFile& file) {
  ASSERT_TRUE(CloseHandle(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(file.handle))));
}

TEST(SimpleFile, ReadsUpToTheEndAndThenNothingWithoutFailure) {
  const std::string path = FileWith("abc.txt", "abc");
  SimpleFile file;
  ASSERT_EQ(file.Open(path.c_str(), OF_READ), 0);
  EXPECT_EQ(file.readOnly, 1);
  char buffer[10] = {};
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 3u);
  EXPECT_EQ(file.error, 0);
  EXPECT_EQ(std::string(buffer, 3), "abc");
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
  EXPECT_EQ(file.error, 0);
  EXPECT_EQ(file.Close(), 1);
  EXPECT_EQ(file.handle, 0);
}

TEST(SimpleFile, AReadThatFailsReturnsNothingWithTheReadError) {
  const std::string path = FileWith("write-only.txt", "abc");
  SimpleFile file;
  ASSERT_EQ(file.Open(path.c_str(), OF_WRITE), 0);
  EXPECT_EQ(file.readOnly, 0);
  char buffer[10];
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
  EXPECT_EQ(file.error, FILE_ERROR_READ);
}

TEST(SimpleFile, OpenAndCreateFailWithTheirOwnCodes) {
  SimpleFile missing;
  EXPECT_EQ(missing.Open(PathOf("missing.txt").c_str(), OF_READ), FILE_ERROR_OPEN);
  EXPECT_LT(missing.handle, 0);
  SimpleFile nowhere;
  EXPECT_EQ(nowhere.Create((FOLDER + "\\no-such-folder\\x.txt").c_str(), 0), FILE_ERROR_CREATE);
  EXPECT_LT(nowhere.handle, 0);
  EXPECT_EQ(nowhere.readOnly, 0);
}

TEST(SimpleFile, AWriteThatDoesNotFitIsShortWithTheWriteError) {
  SimpleFile filler;
  ASSERT_EQ(filler.Create(FULL_DRIVE_FILE.c_str(), 0), 0);
  // Bounded, in case E: is not the small drive that it should be.
  const std::string block(4096, 'f');
  for (int blocks = 0; blocks < FULL_DRIVE_MOST_BLOCKS; ++blocks)
    if (filler.Write(block.data(), static_cast<UINT>(block.size())) != block.size()) break;
  ASSERT_EQ(filler.error, FILE_ERROR_WRITE);
  // Seven bytes from the end, ten bytes reach three past what the drive holds.
  ASSERT_NE(_llseek(filler.handle, -7, FILE_END), HFILE_ERROR);
  EXPECT_EQ(filler.Write("0123456789", 10), 7u);
  EXPECT_EQ(filler.error, FILE_ERROR_WRITE);
  EXPECT_EQ(filler.Write("0123456789", 10), 0u);
  EXPECT_EQ(filler.error, FILE_ERROR_WRITE);
  EXPECT_EQ(filler.Close(), 1);
  DeleteFileA(FULL_DRIVE_FILE.c_str());
}

TEST(SimpleFile, AFailedCloseLeavesNoHandleAndNamesTheDirection) {
  const std::string path = FileWith("close.txt", "abc");
  SimpleFile reading;
  ASSERT_EQ(reading.Open(path.c_str(), 0), 0);
  CloseUnderneath(reading);
  EXPECT_EQ(reading.Close(), 0);
  EXPECT_EQ(reading.handle, 0);
  EXPECT_EQ(reading.error, FILE_ERROR_READ);

  SimpleFile created;
  ASSERT_EQ(created.Create(PathOf("created.txt").c_str(), 0), 0);
  CloseUnderneath(created);
  EXPECT_EQ(created.Close(), 0);
  EXPECT_EQ(created.handle, 0);
  EXPECT_EQ(created.error, FILE_ERROR_WRITE);

  SimpleFile both;
  ASSERT_EQ(both.Open(path.c_str(), OF_READWRITE), 0);
  CloseUnderneath(both);
  EXPECT_EQ(both.Close(), 0);
  EXPECT_EQ(both.error, FILE_ERROR_WRITE);
}

// While _lopen's handle is open the file cannot be deleted: it is closed at end of scope.
TEST(SimpleFile, AnOpenFileIsClosedAtTheEndOfScope) {
  const std::string path = FileWith("scope.txt", "abc");
  {
    SimpleFile file;
    ASSERT_EQ(file.Open(path.c_str(), OF_READ), 0);
    EXPECT_FALSE(DeleteFileA(path.c_str()));
  }
  EXPECT_TRUE(DeleteFileA(path.c_str()));
}

using CloseFunction = HFILE(WINAPI*)(HFILE);
CloseFunction platformClose = nullptr;
int closeCalls = 0;

// Calls through the original pointer: _lclose itself now leads back here.
HFILE WINAPI CountedClose(HFILE handle) {
  ++closeCalls;
  return platformClose(handle);
}

TEST(SimpleFile, OnlyAnOpenFileIsClosedAtTheEndOfScope) {
  const std::string path = FileWith("counted.txt", "abc");
  const ImportPatch patch("kernel32.dll", "_lclose", reinterpret_cast<void*>(&CountedClose));
  ASSERT_TRUE(patch.Applied());
  platformClose = reinterpret_cast<CloseFunction>(patch.Original());
  closeCalls = 0;
  {
    SimpleFile missing;
    ASSERT_EQ(missing.Open(PathOf("missing.txt").c_str(), OF_READ), FILE_ERROR_OPEN);
    SimpleFile closed;
    ASSERT_EQ(closed.Open(path.c_str(), OF_READ), 0);
    EXPECT_EQ(closed.Close(), 1);
  }
  EXPECT_EQ(closeCalls, 1);
  {
    SimpleFile open;
    ASSERT_EQ(open.Open(path.c_str(), OF_READ), 0);
  }
  EXPECT_EQ(closeCalls, 2);
}

} // namespace
