#include "payload/payload_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Compressed(std::string path) {
  char buffer[64];
  path.copy(buffer, sizeof buffer - 1);
  buffer[path.size()] = '\0';
  if (!MakeCompressedName(buffer)) return "(none)";
  return buffer;
}

TEST(PayloadPath, CompressedNameReplacesTheLastCharacter) {
  EXPECT_EQ(Compressed("C:\\Program Files\\TARN\\tarn.exe"), "C:\\Program Files\\TARN\\tarn.ex_");
  EXPECT_EQ(Compressed("tarnsyst.trn"), "tarnsyst.tr_");
  EXPECT_EQ(Compressed("a.b"), "a._");
}

TEST(PayloadPath, NoDotOrATrailingDotHasNoCompressedName) {
  EXPECT_EQ(Compressed("C:\\TARN\\README"), "(none)");
  EXPECT_EQ(Compressed("C:\\TARN\\tarn."), "(none)");
  EXPECT_EQ(Compressed(""), "(none)");
}

TEST(PayloadPath, FontsAreKnownByTheirLastExtensionInAnyCase) {
  EXPECT_TRUE(IsFontFileName("serif.fon"));
  EXPECT_TRUE(IsFontFileName("SERIF.FON"));
  EXPECT_TRUE(IsFontFileName("a.b.Fon"));
  EXPECT_FALSE(IsFontFileName("serif.fon.bak"));
  EXPECT_FALSE(IsFontFileName("serif.font"));
  EXPECT_FALSE(IsFontFileName("serif.fo"));
  EXPECT_FALSE(IsFontFileName("fon"));
}

TEST(PayloadPath, NameAfterLastBackslash) {
  EXPECT_STREQ(NameAfterLastBackslash("C:\\TARN\\tarn.ex_"), "tarn.ex_");
  EXPECT_STREQ(NameAfterLastBackslash("tarn.exe"), "tarn.exe");
  EXPECT_STREQ(NameAfterLastBackslash("C:\\TARN\\"), "");
}

TEST(PayloadPath, JoinFitsExactlyOrFailsEmpty) {
  char out[8];
  EXPECT_TRUE(JoinPath(out, sizeof out, {"C:\\", "ab", "", "cd"}));
  EXPECT_STREQ(out, "C:\\abcd");
  EXPECT_FALSE(JoinPath(out, sizeof out, {"C:\\", "ab", "cde"}));
  EXPECT_STREQ(out, "");
}

TEST(PayloadPath, ABackslashIsAppendedOnce) {
  char directory[9] = "C:\\TARN";
  EXPECT_TRUE(AppendBackslash(directory, sizeof directory));
  EXPECT_STREQ(directory, "C:\\TARN\\");
  EXPECT_TRUE(AppendBackslash(directory, sizeof directory));
  EXPECT_STREQ(directory, "C:\\TARN\\");
}

TEST(PayloadPath, ABackslashThatDoesNotFitIsRefused) {
  char directory[8] = "C:\\TARN";
  EXPECT_FALSE(AppendBackslash(directory, sizeof directory));
  EXPECT_STREQ(directory, "C:\\TARN");
}

} // namespace
