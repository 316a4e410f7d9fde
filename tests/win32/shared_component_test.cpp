// The shared component's count and the application paths into the shared-files directory.
#include "registration/registry_step.h"

#include <gtest/gtest.h>

#include "core/install_state.h"
#include "core/page_walk.h"
#include "destination/directories.h"
#include "registration_fixture.h"

namespace {

const std::string PRODUCT_SHARED = std::string(TEST_PRODUCT_KEY) + "\\Shared";
const std::string COMPONENT_SHARED = std::string(TEST_ROOT_KEY) + "\\TarnShared\\Shared";

FileEntry File(const char* name, int32_t selected) {
  FileEntry row{};
  row.componentKey = COMPONENT_PROGRAM;
  row.name = name;
  row.selected = selected;
  return row;
}

std::string AppPath(const std::string& name, const char* value = nullptr) {
  return RegistryText(HKEY_LOCAL_MACHINE, std::string(APP_PATHS_KEY) + name, value);
}

class SharedComponent : public RegistrationFixture {
protected:
  void SetUp() override {
    RegistrationFixture::SetUp();
    SetSharedDirectory("TarnShared", "Viewer");
    ASSERT_NE(GetSharedDirectory(), nullptr);
    shared = GetSharedDirectory();
    Catalogue& catalogue = installState.catalogue;
    catalogue.sharedFolder = "TarnShared";
    catalogue.sharedName = "Viewer";
    catalogue.files = files;
  }
  void TearDown() override {
    for (const char* name : {"viewer.exe", "notes.Exe", "other.EXE", "data.dll"})
      RemoveRegistryTree(HKEY_LOCAL_MACHINE, std::string(APP_PATHS_KEY) + name);
    RegistrationFixture::TearDown();
  }

  static long long Users() { return RegistryNumber(HKEY_LOCAL_MACHINE, COMPONENT_SHARED, "Viewer"); }
  void ExpectNothingWritten() {
    EXPECT_EQ(RegisterSharedComponent(), 1);
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, PRODUCT_SHARED));
    EXPECT_EQ(Users(), -1);
    EXPECT_EQ(AppPath("viewer.exe"), "(missing)");
  }

  std::string shared;
  FileEntry files[5] = {File("viewer.exe", ROW_SELECTED), File("data.dll", ROW_SELECTED),
                        File("other.EXE", ROW_NOT_SELECTED), File("notes.Exe", ROW_SELECTED), FileEntry{}};
};

TEST_F(SharedComponent, CountsTheProductAndPointsItsProgramsAtTheSharedDirectory) {
  EXPECT_EQ(RegisterSharedComponent(), 1);
  EXPECT_EQ(Machine(PRODUCT_SHARED), "Viewer");
  EXPECT_EQ(Users(), 1);
  EXPECT_EQ(AppPath("viewer.exe"), "C:\\reg-tests\\dest\\viewer.exe");
  EXPECT_EQ(AppPath("viewer.exe", "Path"), shared);
  EXPECT_EQ(AppPath("notes.Exe"), "C:\\reg-tests\\dest\\notes.Exe");
  EXPECT_EQ(AppPath("other.EXE"), "(missing)");
  EXPECT_EQ(AppPath("data.dll"), "(missing)");
}

TEST_F(SharedComponent, AReinstallationKeepsTheCountAndANewProductAddsOne) {
  ASSERT_EQ(RegisterSharedComponent(), 1);
  ASSERT_EQ(RegisterSharedComponent(), 1);
  EXPECT_EQ(Users(), 1);
  installState.catalogue.productKey = "SOFTWARE\\TarnTests\\Another\\CurrentVersion";
  EXPECT_EQ(RegisterSharedComponent(), 1);
  EXPECT_EQ(Users(), 2);
}

// A name longer than a short read buffer is still recognised: no count on every reinstallation.
TEST_F(SharedComponent, ALongSharedNameIsCountedOnce) {
  const std::string name(40, 'n');
  installState.catalogue.sharedName = name.c_str();
  ASSERT_EQ(RegisterSharedComponent(), 1);
  ASSERT_EQ(RegisterSharedComponent(), 1);
  EXPECT_EQ(RegistryNumber(HKEY_LOCAL_MACHINE, COMPONENT_SHARED, name.c_str()), 1);
}

TEST_F(SharedComponent, NothingWithoutAFolderOrAName) {
  installState.catalogue.sharedFolder = nullptr;
  ExpectNothingWritten();
  installState.catalogue.sharedFolder = "TarnShared";
  installState.catalogue.sharedName = "";
  ExpectNothingWritten();
}

TEST_F(SharedComponent, NothingWhenTheSharedDirectoryIsOnAnotherDrive) {
  SetDestination("E:\\TARN");
  ExpectNothingWritten();
}

// The step ends with FAILURE_CANNOT_CREATE_REGISTRY_ENTRY rather than report success: the error
// page names the failure.
TEST_F(SharedComponent, AKeyThatCannotBeCreatedEndsTheRegistrationStep) {
  ASSERT_TRUE(MakeVolatileKey(std::string(TEST_ROOT_KEY) + "\\TarnShared"));
  FileTypeEntry types[2] = {{COMPONENT_PROGRAM, "tsc", "Test C", "c.exe", 3, "c.exe", ROW_SELECTED}, FileTypeEntry{}};
  installState.catalogue.fileTypes = types;
  EXPECT_EQ(RunRegistryStep(state), 0);
  EXPECT_EQ(installState.failure.code, FAILURE_CANNOT_CREATE_REGISTRY_ENTRY);
  EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, ".tsc"));
}

TEST_F(SharedComponent, AProgramNamedWithABackslashEndsTheApplicationPathsWithoutAnError) {
  files[0] = File("bin\\viewer.exe", ROW_SELECTED);
  EXPECT_EQ(RegisterSharedComponent(), 0);
  EXPECT_EQ(installState.failure.code, 0);
  EXPECT_EQ(AppPath("notes.Exe"), "(missing)");
  EXPECT_EQ(RunRegistryStep(state), 1);
}

} // namespace
