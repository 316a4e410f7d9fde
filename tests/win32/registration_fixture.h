// The registration steps on a test catalogue, against the prefix's real registry: a product
// of its own below HKLM\SOFTWARE\TarnTests, a destination, and a window that owns questions.
#ifndef TARN_WIN32_TESTS_REGISTRATION_FIXTURE_H
#define TARN_WIN32_TESTS_REGISTRATION_FIXTURE_H

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "registration/registry_step.h"
#include "registry_text.h"

constexpr char TEST_ROOT_KEY[] = "SOFTWARE\\TarnTests";
constexpr char TEST_PRODUCT_KEY[] = "SOFTWARE\\TarnTests\\Product\\CurrentVersion";
constexpr char TEST_PRODUCT_NAME[] = "Tarn Test 1.0";
constexpr char TEST_PRODUCT_NUMBER[] = "TEST 100  R1";
constexpr char TEST_RUN_RECORD_KEY[] = "SOFTWARE\\TarnTests run";
constexpr char UNINSTALL_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr char APP_PATHS_KEY[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
constexpr uint32_t HKLM_VALUE = 0x80000002u;
constexpr uint32_t HKCR_VALUE = 0x80000000u;

// A key below which no lasting key can be created: the platform refuses a lasting child of a
// volatile key.
bool MakeVolatileKey(const std::string& key);

class RegistrationFixture : public testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  std::string Destination() const { return destination; }
  void SetDestination(const std::string& path);
  // A text in HKLM below the test root.
  static std::string Machine(const std::string& key, const char* name = nullptr) {
    return RegistryText(HKEY_LOCAL_MACHINE, key, name);
  }

  RegistrationState state{nullptr};
  std::string destination = "C:\\reg-tests\\dest";
};

#endif
