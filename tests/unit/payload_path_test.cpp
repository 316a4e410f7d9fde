#include "payload/copy_plan.h"

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

} // namespace
