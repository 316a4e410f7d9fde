// Which Windows versions the wizard accepts; the version is the one that the harness makes
// Wine report to setup.exe (TARN_WINE_VERSION).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "installer_session.h"
#include "resource_ids.h"
#include "wizard_steps.h"

namespace {

// The version that Wine reports to setup.exe in this prefix, "" when none is set.
std::string VersionReportedToSetup() {
  char version[32] = "";
  DWORD size = sizeof version;
  if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\setup.exe", "Version", RRF_RT_REG_SZ, nullptr,
                   version, &size) != ERROR_SUCCESS)
    return std::string();
  return version;
}

// Guards against a harness that silently runs every version as Wine's default.
void ExpectVersionAsRequested() {
  const char* requested = std::getenv("TARN_WINE_VERSION");
  ASSERT_NE(nullptr, requested);
  ASSERT_EQ(requested, VersionReportedToSetup());
}

} // namespace

TEST(Platform, RefusedVersionShowsMismatchPage) {
  ExpectVersionAsRequested();
  InstallerSession setup;
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(setup.WaitForPageTitle(PLATFORM_MISMATCH_TITLE));
  EXPECT_TRUE(setup.Screenshot());
  EXPECT_FALSE(setup.ButtonEnabled(IDC_BACK));
  EXPECT_FALSE(setup.ButtonEnabled(IDC_NEXT));
  EXPECT_TRUE(setup.ButtonEnabled(IDC_EXIT));
  EXPECT_EQ("Exit", setup.ButtonCaption(IDC_EXIT));
  EXPECT_EQ(IDC_EXIT, setup.DefaultButton());
  EXPECT_EQ(IDC_EXIT, setup.FocusedControl());

  setup.PressKey(VK_RETURN);
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(0u, setup.ExitCode());
}

TEST(Platform, AcceptedVersionStartsWizard) {
  ExpectVersionAsRequested();
  InstallerSession setup;
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(setup.WaitForPageTitle(WELCOME_TITLE));
  EXPECT_TRUE(setup.Screenshot());
  EXPECT_TRUE(setup.ButtonEnabled(IDC_NEXT));
}
