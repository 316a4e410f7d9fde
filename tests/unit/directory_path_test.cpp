#include "core/file_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char BUILT_IN[] = "C:\\Program Files";

std::string Compose(const std::string& folder, const char* first, const char* second = nullptr) {
  char out[PATH_CAPACITY];
  ComposeFolderPath(out, folder.c_str(), BUILT_IN, first, second);
  return out;
}

// A folder that ends in "\\" and is so long that folder + name has the given length.
std::string FolderForLength(size_t total, const char* name) {
  const std::string head = "D:\\";
  return head + std::string(total - head.size() - std::strlen(name) - 1, 'x') + "\\";
}

TEST(DirectoryPath, DriveFormIsALetterThenColonOrABackslashThird) {
  EXPECT_TRUE(IsDriveFormPath("C:\\x"));
  EXPECT_TRUE(IsDriveFormPath("c:"));
  EXPECT_TRUE(IsDriveFormPath("ab\\c"));
  EXPECT_FALSE(IsDriveFormPath("\"D:\\Apps"));
  EXPECT_FALSE(IsDriveFormPath("\\\\server\\share"));
  EXPECT_FALSE(IsDriveFormPath("1:\\x"));
  EXPECT_FALSE(IsDriveFormPath("C"));
  EXPECT_FALSE(IsDriveFormPath("ab"));
  EXPECT_FALSE(IsDriveFormPath(""));
  EXPECT_FALSE(IsDriveFormPath(nullptr));
}

TEST(DirectoryPath, ADirectoryMustLeaveRoomForItsBackslash) {
  EXPECT_TRUE(FitsAsDirectoryPath(std::string(258, 'x').c_str()));
  EXPECT_FALSE(FitsAsDirectoryPath(std::string(259, 'x').c_str()));
  EXPECT_TRUE(FitsAsDirectoryPath((std::string(258, 'x') + "\\").c_str()));
  EXPECT_FALSE(FitsAsDirectoryPath(std::string(260, 'x').c_str()));
  EXPECT_FALSE(FitsAsDirectoryPath((std::string(259, 'x') + "\\").c_str()));
}

TEST(DirectoryPath, FolderGetsOneBackslashBeforeTheName) {
  EXPECT_EQ(Compose("D:\\Programs", "TARN"), "D:\\Programs\\TARN");
  EXPECT_EQ(Compose("D:\\Programs\\", "TARN"), "D:\\Programs\\TARN");
  EXPECT_EQ(Compose("D:\\Common", "Veltrum", "Shared"), "D:\\Common\\Veltrum\\Shared");
}

TEST(DirectoryPath, EmptyFolderTakesTheBuiltInOne) {
  EXPECT_EQ(Compose("", "TARN"), "C:\\Program Files\\TARN");
}

TEST(DirectoryPath, LongestPathsThatFitAreKeptWhole) {
  for (size_t length : {258u, 259u}) {
    const std::string folder = FolderForLength(length, "TARN");
    const std::string path = Compose(folder, "TARN");
    EXPECT_EQ(path.size(), length);
    EXPECT_EQ(path, folder + "TARN");
  }
}

TEST(DirectoryPath, PathTooLongForABufferFallsBackToTheBuiltInFolder) {
  EXPECT_EQ(Compose(FolderForLength(260, "TARN"), "TARN"), "C:\\Program Files\\TARN");
}

TEST(DirectoryPath, NothingFitsGivesAnEmptyPath) {
  char out[PATH_CAPACITY];
  const std::string longName(250, 'n');
  EXPECT_FALSE(ComposeFolderPath(out, "D:\\Programs", BUILT_IN, longName.c_str(), "second"));
  EXPECT_STREQ(out, "");
}

} // namespace
