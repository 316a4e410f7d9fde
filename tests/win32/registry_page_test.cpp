// The registry page in a real frame with this product's catalogue: it works once shown and
// moves on by itself, the product is registered when it is left, and a failed step ends on
// the error page without it. (Abort on the page is driven end to end.)
#include "registration/registry_page.h"
#include "registration/registry_step.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "copier_fixture.h"
#include "copy_hooks.h"
#include "core/catalogue.h"
#include "core/install_state.h"
#include "core/page_walk.h"
#include "destination/directories.h"
#include "registration_fixture.h"
#include "resource_ids.h"
#include "wizard_frame.h"

namespace {

constexpr int REGISTRY_POSITION = 6;
constexpr int ICONS_POSITION = 7;
const char DESTINATION[] = "C:\\reg-page\\TARN";
const char APP_PATHS_ROW[] = "SOFTWARE\\Veltrum\\TARN\\CurrentVersion\\AppPaths";
const char PRODUCT_KEY[] = "SOFTWARE\\Veltrum\\TARN\\CurrentVersion";
const std::string PRODUCT_UNINSTALL = std::string(UNINSTALL_KEY) + "TARN 12.3";

std::string ExitCaption() { return ControlText(installState.mainWindow, IDC_EXIT); }
std::string Machine(const std::string& key, const char* name = nullptr) {
  return RegistryText(HKEY_LOCAL_MACHINE, key, name);
}

class RegistryPage : public testing::Test {
protected:
  void SetUp() override {
    // The frame fills the product's catalogue and shows the welcome page.
    ASSERT_TRUE(OpenWizardFrame());
    StoreDestinationDirectory(DESTINATION);
    // Both components, as the product chooses them on the welcome page.
    SelectComponent(installState.catalogue, ALL_COMPONENTS, ROW_SELECTED);
  }

  void TearDown() override {
    CloseWizardFrame();
    for (const char* key : {"SOFTWARE\\Veltrum", "SOFTWARE\\TarnTests", PRODUCT_UNINSTALL.c_str()})
      RemoveRegistryTree(HKEY_LOCAL_MACHINE, key);
    for (const char* key : {".trn", "trnfile"}) RemoveRegistryTree(HKEY_CLASSES_ROOT, key);
  }

  void ShowRegistryPage() {
    GoToPosition(REGISTRY_POSITION);
    EXPECT_EQ(ControlText(installState.currentPage, IDC_PAGE_TITLE), "Updating registry");
    EXPECT_EQ(ExitCaption(), "Abort");
  }

  static bool MovedOn() { return installState.pagePosition == ICONS_POSITION; }
  static bool OnErrorPage() { return installState.failure.code != 0; }

  static void ExpectTheProductRegistered(bool registered) {
    EXPECT_EQ(Machine(PRODUCT_UNINSTALL, "DisplayName"), registered ? "Morvane 12.3" : "(missing)");
    EXPECT_EQ(Machine(PRODUCT_KEY), registered ? "KQZV 470 385/6  R12D" : "(missing)");
  }

  static void ExpectTheErrorPage(const char* message) {
    EXPECT_EQ(ControlText(installState.currentPage, IDC_ERROR_MESSAGE), message);
    EXPECT_EQ(ExitCaption(), "Close");
  }
};

TEST_F(RegistryPage, WritesTheRegistryAndMovesOnToTheIconsPageByItself) {
  MessageBoxAnswerer answerer(IDNO);
  ShowRegistryPage();
  const DWORD start = GetTickCount();
  ASSERT_TRUE(PumpUntil(MovedOn));
  std::printf("moved on %lu ms after the page was shown\n", static_cast<unsigned long>(GetTickCount() - start));
  EXPECT_TRUE(answerer.Questions().empty());
  EXPECT_EQ(Machine(APP_PATHS_ROW), "C:\\reg-page\\TARN\\tarn.exe");
  EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, ".trn"), "trnfile");
  EXPECT_EQ(Machine(PRODUCT_UNINSTALL, "UninstallString"), "\"C:\\reg-page\\TARN\\uninstal.exe\"");
  ExpectTheProductRegistered(true);
}

TEST_F(RegistryPage, AKeyThatCannotBeCreatedShowsItsErrorAndRegistersNoProduct) {
  ASSERT_TRUE(MakeVolatileKey("SOFTWARE\\TarnTests\\Volatile"));
  RegistryEntry rows[2] = {{COMPONENT_PROGRAM, HKLM_VALUE, "SOFTWARE\\TarnTests\\Volatile\\Row", "x", 0, ROW_SELECTED},
                           RegistryEntry{}};
  installState.catalogue.registryEntries = rows;
  ShowRegistryPage();
  ASSERT_TRUE(PumpUntil(OnErrorPage));
  EXPECT_EQ(installState.failure.code, FAILURE_CANNOT_CREATE_REGISTRY_ENTRY);
  ExpectTheErrorPage("Cannot create registry entry.");
  ExpectTheProductRegistered(false);
}

} // namespace
