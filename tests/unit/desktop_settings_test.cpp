#include "finish/desktop_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

int32_t NumberAt(const DesktopSettings& settings, size_t at) {
  int32_t value;
  std::memcpy(&value, settings.bytes + at, 4);
  return value;
}

// The field's text up to its NUL; the rest of the field must be zero.
std::string TextAt(const DesktopSettings& settings, size_t at, size_t width) {
  const char* field = reinterpret_cast<const char*>(settings.bytes + at);
  const size_t length = strnlen(field, width);
  EXPECT_LT(length, width) << "field at " << at << " is terminated";
  for (size_t i = length; i < width; ++i) EXPECT_EQ(field[i], '\0') << "field at " << at << ", byte " << i;
  return std::string(field, length);
}

bool ZeroBetween(const DesktopSettings& settings, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i)
    if (settings.bytes[i] != 0) return false;
  return true;
}

void ExpectNumbers(const DesktopSettings& settings) {
  EXPECT_EQ(NumberAt(settings, 0), 3);
  EXPECT_TRUE(ZeroBetween(settings, 4, 20));
  EXPECT_EQ(NumberAt(settings, 20), 3);
  EXPECT_EQ(NumberAt(settings, 24), 1);
  EXPECT_TRUE(ZeroBetween(settings, 1016, 1056));
  EXPECT_EQ(NumberAt(settings, 1056), 100);
  EXPECT_EQ(NumberAt(settings, 1060), INT32_MIN);
  EXPECT_EQ(NumberAt(settings, 1064), INT32_MIN);
  EXPECT_TRUE(ZeroBetween(settings, 1068, 1080));
}

TEST(DesktopSettings, WithoutTheVariablesHoldsTheDefaults) {
  DesktopSettings settings;
  std::memset(settings.bytes, 0xAA, sizeof settings.bytes);
  FillDesktopSettings(settings, nullptr, nullptr);
  ExpectNumbers(settings);
  EXPECT_EQ(TextAt(settings, 28, 256), "D:/.");
  EXPECT_EQ(TextAt(settings, 284, 256), "subsyst.conf");
  EXPECT_EQ(TextAt(settings, 540, 256), "D:\\.");
  EXPECT_EQ(TextAt(settings, 796, 220), "C:/TEMP");
}

TEST(DesktopSettings, LibraryWithSlashesAndAsGiven) {
  DesktopSettings settings;
  FillDesktopSettings(settings, "E:\\Libraries\\TARN\\", "C:\\Users\\me\\Temp");
  ExpectNumbers(settings);
  EXPECT_EQ(TextAt(settings, 28, 256), "E:/Libraries/TARN/");
  EXPECT_EQ(TextAt(settings, 540, 256), "E:\\Libraries\\TARN\\");
  EXPECT_EQ(TextAt(settings, 796, 220), "C:/Users/me/Temp");
}

TEST(DesktopSettings, LongValuesAreCutToTheirFields) {
  const std::string temporary = "C:\\" + std::string(227, 't');
  ASSERT_EQ(temporary.size(), 230u);
  const std::string library(300, 'L');
  DesktopSettings settings;
  FillDesktopSettings(settings, library.c_str(), temporary.c_str());
  EXPECT_EQ(TextAt(settings, 796, 220), "C:/" + std::string(216, 't')) << "219 characters";
  EXPECT_EQ(TextAt(settings, 28, 256), library.substr(0, 255));
  EXPECT_EQ(TextAt(settings, 540, 256), library.substr(0, 255));
  ExpectNumbers(settings);
}

} // namespace
