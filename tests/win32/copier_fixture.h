// A copier at work on a test catalogue: a page made from "COPYFILESDLG" inside a plain frame,
// a destination of the test's own, and the payload in a carrier module.
#ifndef TARN_WIN32_TESTS_COPIER_FIXTURE_H
#define TARN_WIN32_TESTS_COPIER_FIXTURE_H

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/catalogue.h"
#include "payload/payload_copier.h"
#include "test_payload.h"
#include "whole_file.h"

std::string CurrentTestName();
// Pseudo-random bytes, the same for the same seed: nothing in them repeats by accident.
std::string SampleContent(size_t length, uint32_t seed);
std::string ControlText(HWND window, int controlId);

class CopierFixture : public testing::Test {
protected:
  CopierFixture();
  void SetUp() override;
  void TearDown() override;

  // Loads the payload, builds the copier, runs Prepare and then CopyAll; their result.
  int Run();
  // Releases the copier and undoes the run as setup.exe does when it fails; false when the
  // run has no record.
  bool Undo();
  // What the destination directory holds under the name.
  std::string Installed(const std::string& name) const;
  std::string InDestination(const std::string& name) const { return destination + "\\" + name; }
  HWND Control(int id) const { return GetDlgItem(page, id); }

  std::string destination;
  TestPayload payload;
  Catalogue catalogue{};
  DirectoryEntry noDirectories[1]{};
  HWND frame = nullptr;
  HWND page = nullptr;
  std::unique_ptr<PayloadCopier> copier;
};

#endif
