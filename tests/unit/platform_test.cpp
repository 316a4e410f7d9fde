#include "core/platform.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t THIS_PRODUCT = ACCEPT_WIN9X | NT_OTHER_FONTS_IN_SYSTEM | ACCEPT_NT4;

struct Case {
  const char* platform;
  uint32_t id;
  uint32_t major;
  int32_t flags;
  int unsupported;
  int fontsInFontsFolder;
};

class PlatformDecisionTest : public ::testing::TestWithParam<Case> {};

TEST_P(PlatformDecisionTest, DecidesAsTheCatalogueAsks) {
  const Case& c = GetParam();
  const PlatformDecision decision = DecidePlatform(c.id, c.major, c.flags);
  EXPECT_EQ(decision.platformUnsupported, c.unsupported) << c.platform;
  EXPECT_EQ(decision.fontsInFontsFolder, c.fontsInFontsFolder) << c.platform;
}

INSTANTIATE_TEST_SUITE_P(
    Platforms, PlatformDecisionTest,
    ::testing::Values(
        Case{"Win32s", PLATFORM_WIN32S, 3, THIS_PRODUCT, 1, 0},
        Case{"Windows 95", PLATFORM_WIN9X, 4, THIS_PRODUCT, 0, 1},
        Case{"Windows 95 not accepted", PLATFORM_WIN9X, 4, ACCEPT_NT4, 1, 1},
        Case{"NT 4", PLATFORM_NT, 4, THIS_PRODUCT, 0, 1},
        Case{"NT 4 not accepted", PLATFORM_NT, 4, ACCEPT_WIN9X | NT_OTHER_FONTS_IN_SYSTEM, 1, 1},
        Case{"XP without NT 4 accepted", PLATFORM_NT, 5, ACCEPT_WIN9X | NT_OTHER_FONTS_IN_SYSTEM, 0, 0},
        Case{"NT 3.51", PLATFORM_NT, 3, THIS_PRODUCT, 0, 0},
        Case{"Windows 10, fonts to Fonts", PLATFORM_NT, 10, ACCEPT_NT4, 0, 1},
        Case{"unknown platform", 3, 5, THIS_PRODUCT, 1, 1}));

} // namespace
