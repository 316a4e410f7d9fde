// Payload chunks made by a test: the files' stored forms cut into RCDATA resources of a copy of
// this test program, which is then loaded as data and made the module the copier reads from
// (installState.instance). Dialogs and strings are still found there, since it is a copy.
#ifndef TARN_WIN32_TESTS_TEST_PAYLOAD_H
#define TARN_WIN32_TESTS_TEST_PAYLOAD_H

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "core/catalogue.h"

// An SZDD image (mode A) of the content made of literals only, as LZ32 expands it.
std::string LiteralSzddImage(const std::string& content, char lastNameCharacter);
// The check value that the catalogue holds for a content.
uint32_t CheckValueOf(const std::string& content);

class TestPayload {
public:
  explicit TestPayload(std::string carrierPath) : carrierPath(std::move(carrierPath)) {}
  ~TestPayload();
  TestPayload(const TestPayload&) = delete;
  TestPayload& operator=(const TestPayload&) = delete;

  // A selected row of disk 1 whose stored form (SZDD when compressed) is cut into chunks of
  // chunkSize bytes; returns its index in Rows().
  size_t Add(const std::string& name, const std::string& content, bool compressed, int32_t chunkSize = 4096);
  FileEntry& Row(size_t index) { return rows[index]; }
  const std::string& StoredForm(size_t index) const { return storedForms[index]; }
  // Writes the carrier and makes it installState.instance; false when that fails.
  bool Load();
  // The rows followed by their terminating row.
  FileEntry* Rows();

private:
  std::string carrierPath;
  std::deque<std::string> names;
  std::vector<std::string> storedForms;
  std::vector<FileEntry> rows;
  HMODULE carrier = nullptr;
  int32_t nextResource = 100;
};

#endif
