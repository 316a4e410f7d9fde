#include "core/file_rules.h"

#include <gtest/gtest.h>

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
