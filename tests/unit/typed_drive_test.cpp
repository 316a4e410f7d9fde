#include "destination/disk_space.h"

#include <gtest/gtest.h>

namespace {

TEST(TypedDrive, ADriveIsNamedOnlyByTheLetterColonBackslashForm) {
  EXPECT_EQ(DriveNamedByText("C:\\Program Files\\TARN"), 'C');
  EXPECT_EQ(DriveNamedByText("e:\\"), 'e');
  EXPECT_EQ(DriveNamedByText("\"D:\\Apps"), 'D');
  EXPECT_EQ(DriveNamedByText("7:\\x"), '7'); // whatever the character is
  EXPECT_EQ(DriveNamedByText("C:"), 0);
  EXPECT_EQ(DriveNamedByText("C:x"), 0);
  EXPECT_EQ(DriveNamedByText("tarn"), 0);
  EXPECT_EQ(DriveNamedByText("\\\\server\\share"), 0);
  EXPECT_EQ(DriveNamedByText("\"\"C:\\x"), 0);
  EXPECT_EQ(DriveNamedByText(""), 0);
  EXPECT_EQ(DriveNamedByText("\""), 0);
}

TEST(TypedDrive, QueriesOnlyWhenTheDriveChangesByteForByte) {
  char last = 0;
  EXPECT_TRUE(NoteTypedDrive(last, 'C'));
  EXPECT_FALSE(NoteTypedDrive(last, 'C'));
  EXPECT_TRUE(NoteTypedDrive(last, 'c'));
  EXPECT_TRUE(NoteTypedDrive(last, 0));
  EXPECT_FALSE(NoteTypedDrive(last, 0));
  EXPECT_EQ(last, 0);
}

TEST(TypedDrive, DriveAIsNeitherQueriedNorRemembered) {
  char last = 'C';
  EXPECT_FALSE(NoteTypedDrive(last, 'a'));
  EXPECT_FALSE(NoteTypedDrive(last, 'A'));
  EXPECT_EQ(last, 'C');
  EXPECT_FALSE(NoteTypedDrive(last, 'C'));
}

} // namespace
