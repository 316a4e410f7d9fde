#include "core/bounded_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Format(const char* format, const char* argument, size_t capacity = 512) {
  std::string out(capacity, '#');
  const size_t length = FormatWithArgument(out.data(), capacity, format, argument);
  EXPECT_EQ(out[length], '\0');
  return out.substr(0, length);
}

TEST(FormatWithArgument, InsertsTheArgument) {
  EXPECT_EQ(Format("The source file %s is missing.", "tarn.exe"), "The source file tarn.exe is missing.");
  EXPECT_EQ(Format("100%% %s", "done"), "100% done");
}

TEST(FormatWithArgument, TextWithoutPlaceholderIgnoresTheArgument) {
  EXPECT_EQ(Format("Cannot create directory.", "C:\\x"), "Cannot create directory.");
}

TEST(FormatWithArgument, AMissingArgumentInsertsNothing) {
  EXPECT_EQ(Format("[%s]", nullptr), "[]");
}

TEST(FormatWithArgument, CutsToTheBufferWhateverTheArgumentLength) {
  const std::string longArgument(5000, 'x');
  std::string out(64 + 16, '#');
  const size_t length = FormatWithArgument(out.data(), 64, "file %s end", longArgument.c_str());
  EXPECT_EQ(length, 63u);
  EXPECT_EQ(out.substr(0, 8), "file xxx");
  EXPECT_EQ(out[63], '\0');
  EXPECT_EQ(out.substr(64), std::string(16, '#')) << "wrote past the buffer";
}

TEST(FormatWithArgument, ALonePercentAtTheEndIsKept) {
  EXPECT_EQ(Format("50%", "x"), "50%");
}

TEST(CopyBounded, CopiesAndCuts) {
  char out[4];
  EXPECT_EQ(CopyBounded(out, sizeof out, "ab"), 2u);
  EXPECT_STREQ(out, "ab");
  EXPECT_EQ(CopyBounded(out, sizeof out, "abcdef"), 3u);
  EXPECT_STREQ(out, "abc");
  EXPECT_EQ(CopyBounded(out, 0, "abc"), 0u);
}

} // namespace
