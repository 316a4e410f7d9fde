#include "registration_fixture.h"

#include "core/install_state.h"
#include "destination/directories.h"

bool MakeVolatileKey(const std::string& key) {
  // The levels above it stay lasting, so that lasting siblings can still be made.
  HKEY parent;
  if (RegCreateKeyA(HKEY_LOCAL_MACHINE, key.substr(0, key.rfind('\\')).c_str(), &parent) != ERROR_SUCCESS) return false;
  HKEY created;
  const LONG result = RegCreateKeyExA(parent, key.substr(key.rfind('\\') + 1).c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                                      KEY_ALL_ACCESS, nullptr, &created, nullptr);
  RegCloseKey(parent);
  if (result != ERROR_SUCCESS) return false;
  RegCloseKey(created);
  return true;
}

void RegistrationFixture::SetUp() {
  ZeroMemory(&installState.catalogue, sizeof installState.catalogue);
  Catalogue& catalogue = installState.catalogue;
  catalogue.productKey = TEST_PRODUCT_KEY;
  catalogue.productName = TEST_PRODUCT_NAME;
  catalogue.productNumber = TEST_PRODUCT_NUMBER;
  catalogue.makerKey = TEST_ROOT_KEY;
  catalogue.displayName = "Morvane 12.3";
  catalogue.uninstallerName = "uninstal.exe";
  catalogue.programFile = "prog.exe";
  catalogue.runRecordKey = TEST_RUN_RECORD_KEY;
  installState.recordLines = 0;
  installState.stopRequested = 0;
  installState.failure = FailureRecord{}; // the run's one record: every case starts without a failure
  installState.programChosen = 1;
  SetDestination(destination);
  HWND owner = CreateWindowA("STATIC", "owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  state = RegistrationState{owner};
}

void RegistrationFixture::TearDown() {
  DestroyWindow(state.ownerWindow);
  installState.stopRequested = 0;
  EXPECT_TRUE(RemoveRegistryTree(HKEY_LOCAL_MACHINE, TEST_ROOT_KEY));
  RemoveRegistryTree(HKEY_LOCAL_MACHINE, std::string(UNINSTALL_KEY) + TEST_PRODUCT_NAME);
  RemoveRegistryTree(HKEY_LOCAL_MACHINE, TEST_RUN_RECORD_KEY);
}

void RegistrationFixture::SetDestination(const std::string& path) {
  destination = path;
  StoreDestinationDirectory(path.c_str());
}
