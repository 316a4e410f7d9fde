#include "core/file_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(PathRules, NameAfterLastBackslash) {
  EXPECT_STREQ(NameAfterLastBackslash("C:\\TARN\\tarn.ex_"), "tarn.ex_");
  EXPECT_STREQ(NameAfterLastBackslash("tarn.exe"), "tarn.exe");
  EXPECT_STREQ(NameAfterLastBackslash("C:\\TARN\\"), "");
}

TEST(PathRules, JoinFitsExactlyOrFailsEmpty) {
  char out[8];
  EXPECT_TRUE(JoinPath(out, sizeof out, {"C:\\", "ab", "", "cd"}));
  EXPECT_STREQ(out, "C:\\abcd");
  EXPECT_FALSE(JoinPath(out, sizeof out, {"C:\\", "ab", "cde"}));
  EXPECT_STREQ(out, "");
}

TEST(PathRules, ADirectoryAndANameAreJoinedByOneBackslash) {
  char out[PATH_CAPACITY];
  EXPECT_TRUE(JoinDirectoryAndName(out, sizeof out, "C:\\TARN", "TARN.DSK"));
  EXPECT_STREQ(out, "C:\\TARN\\TARN.DSK");
  EXPECT_TRUE(JoinDirectoryAndName(out, sizeof out, "C:\\", "TARN.DSK"));
  EXPECT_STREQ(out, "C:\\TARN.DSK");
  EXPECT_TRUE(JoinDirectoryAndName(out, sizeof out, "", "TARN.DSK"));
  EXPECT_STREQ(out, "TARN.DSK");
  char small[11];
  EXPECT_TRUE(JoinDirectoryAndName(small, sizeof small, "C:\\ab", "cdef"));
  EXPECT_STREQ(small, "C:\\ab\\cdef");
  EXPECT_FALSE(JoinDirectoryAndName(small, sizeof small, "C:\\ab", "cdefg"));
  EXPECT_STREQ(small, "");
}

TEST(PathRules, ABackslashIsAppendedOnce) {
  char directory[9] = "C:\\TARN";
  EXPECT_TRUE(AppendBackslash(directory, sizeof directory));
  EXPECT_STREQ(directory, "C:\\TARN\\");
  EXPECT_TRUE(AppendBackslash(directory, sizeof directory));
  EXPECT_STREQ(directory, "C:\\TARN\\");
}

TEST(PathRules, ABackslashThatDoesNotFitIsRefused) {
  char directory[8] = "C:\\TARN";
  EXPECT_FALSE(AppendBackslash(directory, sizeof directory));
  EXPECT_STREQ(directory, "C:\\TARN");
}

TEST(PathRules, LetterCaseIsIgnoredForAsciiLettersOnly) {
  EXPECT_TRUE(EqualIgnoringCase("C:\\Program Files", "c:\\PROGRAM FILES"));
  EXPECT_FALSE(EqualIgnoringCase("tarn.fon", "tarn.fo"));
  EXPECT_FALSE(EqualIgnoringCase("[", "{")); // 0x5B and 0x7B differ by the case bit alone
  EXPECT_EQ(UpperCase('e'), 'E');
  EXPECT_EQ(UpperCase('1'), '1');
}

} // namespace

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

namespace {

int32_t ExponentAfter(uint32_t bytesPerSector) {
  SectorSize unit;
  UpdateSectorSize(unit, bytesPerSector);
  return unit.exponent;
}

TEST(SectorSize, TakesTheHighestSetBitOfTheSectorSize) {
  EXPECT_EQ(ExponentAfter(512), 9);
  EXPECT_EQ(ExponentAfter(2048), 11);
  EXPECT_EQ(ExponentAfter(600), 9);
  EXPECT_EQ(ExponentAfter(1), 0);
  EXPECT_EQ(ExponentAfter(0x80000000u), 31);
}

TEST(SectorSize, ZeroSectorSizeKeepsThePreviousUnit) {
  SectorSize unit;
  UpdateSectorSize(unit, 2048);
  UpdateSectorSize(unit, 0);
  EXPECT_EQ(unit.exponent, 11);
}

TEST(SectorSize, RoundsUpToWholeSectors) {
  const SectorSize unit; // 512 bytes before any query
  EXPECT_EQ(RoundUpToSectors(unit, 0), 0);
  EXPECT_EQ(RoundUpToSectors(unit, 1), 512);
  EXPECT_EQ(RoundUpToSectors(unit, 512), 512);
  EXPECT_EQ(RoundUpToSectors(unit, 513), 1024);
}

TEST(SectorSize, LargerSectorsCountASmallFileAsOneWholeSector) {
  SectorSize unit;
  UpdateSectorSize(unit, 2048);
  EXPECT_EQ(RoundUpToSectors(unit, 100), 2048);
}

} // namespace
