// Our encoder's images, written to disk and expanded by the platform's LZ32, as the
// extraction engine expands the payload.
#include <windows.h>
#include <lzexpand.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corpus.h"
#include "szdd/szdd_encoder.h"

namespace {

const std::string FOLDER = "C:\\lz32-tests";
// A real Windows binary: the first part of this test program.
constexpr size_t PROGRAM_BYTES = 600000;
constexpr size_t EXACT_LENGTHS_ABOVE_SHORTEST[] = {1, 7, 333};

struct Case {
  std::string name;
  Bytes content;
  Bytes image;
};

Bytes ReadAll(const std::string& path) {
  Bytes bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  bytes.resize(GetFileSize(file, nullptr));
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
  bytes.resize(read);
  CloseHandle(file);
  return bytes;
}

bool WriteAll(const std::string& path, const Bytes& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = bytes.empty() || WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

Bytes ThisProgram() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  Bytes bytes = ReadAll(path);
  if (bytes.size() > PROGRAM_BYTES) bytes.resize(PROGRAM_BYTES);
  return bytes;
}

std::vector<Case> Cases() {
  std::vector<CorpusFile> files = EdgeCorpus();
  files.push_back(CorpusFile{"this program", ThisProgram()});
  std::vector<Case> cases;
  for (const CorpusFile& file : files)
    cases.push_back(Case{file.name, file.content, CompressSzdd(file.content.data(), file.content.size(), 'x')});
  const CorpusFile& text = files[files.size() - 2];
  const size_t shortest = cases[files.size() - 2].image.size();
  for (size_t more : EXACT_LENGTHS_ABOVE_SHORTEST) {
    Case lengthened{text.name + ", " + std::to_string(more) + " bytes longer", text.content, {}};
    if (CompressSzddToLength(text.content.data(), text.content.size(), 'x', shortest + more, lengthened.image))
      cases.push_back(lengthened);
  }
  return cases;
}

class Lz32Expand : public ::testing::Test {
protected:
  void SetUp() override {
    CreateDirectoryA(FOLDER.c_str(), nullptr);
    cases = Cases();
    for (size_t i = 0; i < cases.size(); ++i) ASSERT_TRUE(WriteAll(ImagePath(i), cases[i].image));
  }

  static std::string ImagePath(size_t i) { return FOLDER + "\\image" + std::to_string(i) + ".bi_"; }

  std::vector<Case> cases;
};

TEST_F(Lz32Expand, LZReadGivesEveryContentBack) {
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].name);
    OFSTRUCT opened{};
    std::string path = ImagePath(i);
    const INT source = LZOpenFileA(&path[0], &opened, OF_READ);
    ASSERT_GE(source, 0);
    // One byte more than the content: LZ32 stops at the header's length.
    Bytes out(cases[i].content.size() + 1);
    const INT read = LZRead(source, reinterpret_cast<char*>(out.data()), static_cast<INT>(out.size()));
    LZClose(source);
    ASSERT_GE(read, 0);
    out.resize(static_cast<size_t>(read));
    EXPECT_TRUE(out == cases[i].content);
  }
}

TEST_F(Lz32Expand, LZCopyWritesEveryContentOut) {
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].name);
    OFSTRUCT opened{};
    std::string from = ImagePath(i);
    std::string to = FOLDER + "\\expanded" + std::to_string(i) + ".bin";
    const INT source = LZOpenFileA(&from[0], &opened, OF_READ);
    const INT destination = LZOpenFileA(&to[0], &opened, OF_CREATE | OF_WRITE);
    ASSERT_GE(source, 0);
    ASSERT_GE(destination, 0);
    const LONG copied = LZCopy(source, destination);
    LZClose(source);
    LZClose(destination);
    EXPECT_EQ(copied, static_cast<LONG>(cases[i].content.size()));
    EXPECT_TRUE(ReadAll(to) == cases[i].content);
  }
}

} // namespace
