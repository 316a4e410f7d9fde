// The packer's parts: the row that a stored form fits, the disagreements that fail the
// build, the chunks and the resource script, the rows as the product's table writes them, and
// a release's folder of real files, read whole or refused by the packer naming the file.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/file_bytes.h"
#include "packer/product_folder.h"
#include "packer/resource_script.h"
#include "packer/row_fit.h"
#include "packer/row_text.h"
#include "payload/crc32.h"
#include "scratch_folder.h"
#include "szdd/szdd_encoder.h"
#include "wizard/product.h"

namespace {

std::vector<uint8_t> Sample(size_t length) {
  std::vector<uint8_t> content(length);
  for (size_t i = 0; i < length; ++i) content[i] = static_cast<uint8_t>((i * i) >> 3);
  return content;
}

FileEntry Row(const char* name, int32_t compressed) {
  FileEntry row{};
  row.componentKey = COMPONENT_PROGRAM;
  row.name = name;
  row.compressed = compressed;
  return row;
}

TEST(RowFit, ARawFormIsItsOwnContentCutInChunks) {
  const std::vector<uint8_t> stored = Sample(2 * 61440 + 7);
  FileEntry fitted{};
  ASSERT_TRUE(FitRow(stored, 119, Row("raw.bin", 1), fitted));
  EXPECT_EQ(fitted.compressed, 0);
  EXPECT_EQ(fitted.size, 2 * 61440 + 7);
  EXPECT_EQ(fitted.checkValue, Crc32Update(stored.data(), stored.size(), CRC32_START));
  EXPECT_EQ(fitted.firstResource, 119);
  EXPECT_EQ(fitted.chunkCount, 3);
  EXPECT_EQ(fitted.chunkSize, 61440);
  EXPECT_EQ(fitted.lastChunkSize, 7);
  EXPECT_STREQ(fitted.name, "raw.bin");
}

TEST(RowFit, AnSzddFormGivesTheSizeAndCheckValueOfItsExpansion) {
  const std::vector<uint8_t> content = Sample(70000);
  const std::vector<uint8_t> image = CompressSzdd(content.data(), content.size(), 'l');
  FileEntry fitted{};
  ASSERT_TRUE(FitRow(image, 100, Row("a.dll", 0), fitted));
  EXPECT_EQ(fitted.compressed, 1);
  EXPECT_EQ(fitted.size, 70000);
  EXPECT_EQ(fitted.checkValue, Crc32Update(content.data(), content.size(), CRC32_START));
  EXPECT_EQ(static_cast<size_t>(fitted.lastChunkSize) + 61440u * static_cast<size_t>(fitted.chunkCount - 1), image.size());
  // An image cut short does not expand whole; nothing empty fits a row.
  EXPECT_FALSE(FitRow(std::vector<uint8_t>(image.begin(), image.end() - 40), 100, Row("a.dll", 1), fitted));
  EXPECT_FALSE(FitRow({}, 100, Row("a.dll", 1), fitted));
}

TEST(RowFit, EveryDisagreeingFieldIsNamedWithItsRow) {
  const FileEntry fitted = productFiles[2];
  EXPECT_EQ(Disagreements(3, productFiles[2], fitted), "");
  struct Change {
    int32_t FileEntry::*field;
    const char* name;
  };
  const Change changes[] = {{&FileEntry::size, "size"},
                            {&FileEntry::compressed, "compressed"},
                            {&FileEntry::firstResource, "first resource"},
                            {&FileEntry::chunkCount, "chunk count"},
                            {&FileEntry::chunkSize, "chunk size"},
                            {&FileEntry::lastChunkSize, "last chunk size"}};
  for (const Change& change : changes) {
    FileEntry catalogue = fitted;
    catalogue.*change.field += 1;
    const std::string said = Disagreements(3, catalogue, fitted);
    EXPECT_EQ(said.rfind(std::string("row 3 (tarn.exe): ") + change.name + " is ", 0), 0u) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << "one field only: " << said;
  }
  FileEntry catalogue = fitted;
  catalogue.checkValue ^= 1;
  EXPECT_EQ(Disagreements(3, catalogue, fitted),
            "row 3 (tarn.exe): check value is 0xEEC70A56 in the stored form, 0xEEC70A57 in the catalogue\n");
}

TEST(RowFit, TheCheckOfAllRowsFollowsTheResourcesFromOneHundredOn) {
  const std::vector<uint8_t> first = Sample(61441);
  const std::vector<uint8_t> second = Sample(10);
  FileEntry rows[3] = {Row("first.bin", 0), Row("second.bin", 0), FileEntry{}};
  FitRow(first, 100, rows[0], rows[0]);
  FitRow(second, 102, rows[1], rows[1]);
  EXPECT_EQ(CheckStoredForms(rows, {first, second}), "");

  rows[1].firstResource = 101;
  EXPECT_EQ(CheckStoredForms(rows, {first, second}),
            "row 2 (second.bin): first resource is 102 in the stored form, 101 in the catalogue\n");
  EXPECT_EQ(CheckStoredForms(rows, {first}), "row 2 (second.bin): has no stored form\n");
  EXPECT_NE(CheckStoredForms(rows, {first, {}}).find("row 2 (second.bin): the stored form is empty"), std::string::npos);
  EXPECT_NE(CheckStoredForms(rows, {first, second, second}).find("more stored forms"), std::string::npos);
}

TEST(PayloadScript, ChunksAreFullButTheLastAndNeverEmpty) {
  const std::vector<Chunk> chunks = CutIntoChunks(Sample(61440 * 2 + 5), 121, 61440);
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].id, 121);
  EXPECT_EQ(chunks[2].id, 123);
  EXPECT_EQ(chunks[1].bytes.size(), 61440u);
  EXPECT_EQ(chunks[2].bytes.size(), 5u);
  EXPECT_EQ(chunks[1].bytes[0], Sample(61440 * 2 + 5)[61440]);
  EXPECT_EQ(CutIntoChunks(Sample(61440), 100, 61440).size(), 1u);
}

TEST(PayloadScript, NamesEachChunkFileInTheLanguageOfSetup) {
  std::string script;
  ASSERT_TRUE(WriteResourceScript({100, 101}, "/tmp/out", script));
  EXPECT_NE(script.find("LANGUAGE 0x0B, 0x01\n100 RCDATA \"/tmp/out/chunk100.bin\"\n101 RCDATA \"/tmp/out/chunk101.bin\"\n"),
            std::string::npos);
  EXPECT_FALSE(WriteResourceScript({100}, "/tmp/a\"b", script));
  EXPECT_FALSE(WriteResourceScript({100}, "C:\\out", script));
}

TEST(RowText, PrintsRowsAsTheProductTableWritesThem) {
  EXPECT_EQ(RowInitialiser(productFiles[5]), "    File(\"tarn.cnt\", 1028, 0xAE5572D1, 1, 114, 1, 746),\n");
  EXPECT_EQ(RowInitialiser(productFiles[9]), "    File(\"tarnsyst.trn\", 104889, 0xA3EA03E8, 0, 119, 2, 43449),\n");
}

const char* const RELEASE_NAMES[] = {"rtwin32.dll",   "tarn.exe",     "tarn.chm",    "tarn.hlp",     "tarn.cnt",
                                     "rtunzip32.dll", "trniconn.xpt", "rtzip32.dll", "tarnsyst.trn", "unicows.dll"};

// Every file of a release but the uninstaller, each of another size; the library, stored as
// is, in three chunks.
void FillReleaseFolder(const std::string& folder) {
  size_t length = 1000;
  for (const std::string name : RELEASE_NAMES)
    ASSERT_TRUE(SaveFile(folder + "/" + name, Sample(name == "tarnsyst.trn" ? 2 * 61440 + 7 : length += 2000)));
}

TEST(ProductFolder, FitsRowsToTheFilesAndKeepsTheUninstallersRowUnlessTheFolderHasOne) {
  ScratchFolder folder;
  FillReleaseFolder(folder.Path());
  std::vector<ReleaseFile> files;
  std::string error;
  ASSERT_TRUE(ReadProductFolder(folder.Path(), productFiles, "uninstal.exe", files, error)) << error;
  ASSERT_EQ(files.size(), 11u);
  EXPECT_FALSE(files[0].present);
  const std::string table = FileTableText(files);
  EXPECT_EQ(table.substr(0, table.find('\n') + 1), "    File(\"uninstal.exe\", 53248, 0x12F6CD1B, 1, 100, 1, 30638),\n");

  const std::vector<uint8_t> program = Sample(3000); // tarn.exe
  EXPECT_TRUE(files[2].present);
  EXPECT_EQ(files[2].row.size, 5000);
  EXPECT_EQ(files[2].row.compressed, 1);
  EXPECT_EQ(files[2].stored.size(), static_cast<size_t>(files[2].row.lastChunkSize));
  EXPECT_EQ(files[2].row.firstResource, 102);
  const std::vector<uint8_t> library = Sample(2 * 61440 + 7);
  EXPECT_EQ(files[9].row.compressed, 0);
  EXPECT_EQ(files[9].stored, library);
  EXPECT_EQ(files[9].row.checkValue, Crc32Update(library.data(), library.size(), CRC32_START));
  EXPECT_EQ(files[9].row.chunkCount, 3);
  EXPECT_EQ(files[10].row.firstResource, files[9].row.firstResource + 3);

  ASSERT_TRUE(SaveFile(folder.Path() + "/uninstal.exe", program));
  ASSERT_TRUE(ReadProductFolder(folder.Path(), productFiles, "uninstal.exe", files, error)) << error;
  EXPECT_TRUE(files[0].present);
  EXPECT_EQ(files[0].row.size, 3000);
  EXPECT_EQ(files[0].row.checkValue, Crc32Update(program.data(), program.size(), CRC32_START));
}

// The packer's release step on a folder with one fault: it fails naming the file, and leaves
// neither its file table nor the setup.exe of an earlier build.
TEST(ProductFolder, EveryFaultOfTheFolderStopsThePackerNamingTheFile) {
  namespace fs = std::filesystem;
  struct Fault {
    const char* said;
    std::function<void(const std::string&)> make;
  };
  const Fault faults[] = {
      {"tarn.cnt: missing", [](const std::string& f) { fs::remove(f + "/tarn.cnt"); }},
      {"tarn.hlp: unreadable, not a regular file",
       [](const std::string& f) { fs::remove(f + "/tarn.hlp"), fs::create_directory(f + "/tarn.hlp"); }},
      {"tarn.chm: unreadable, not a regular file",
       [](const std::string& f) { fs::remove(f + "/tarn.chm"), mkfifo((f + "/tarn.chm").c_str(), 0600); }},
      {"rtzip32.dll: empty", [](const std::string& f) { fs::resize_file(f + "/rtzip32.dll", 0); }},
      {"readme.txt: not one of the product's files",
       [](const std::string& f) { SaveFile(f + "/readme.txt", Sample(10)); }},
      {"unicows.dll: too large, 2147483648 bytes (at most 2147483647)",
       [](const std::string& f) { fs::resize_file(f + "/unicows.dll", uintmax_t{1} << 31); }},
      {"tarnsyst.trn: begins like a compressed image, which a file stored as is cannot",
       [](const std::string& f) {
         const std::vector<uint8_t> content = Sample(5000);
         SaveFile(f + "/tarnsyst.trn", CompressSzdd(content.data(), content.size(), 'n'));
       }},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.said);
    ScratchFolder scratch;
    const std::string folder = scratch.Path() + "/product";
    const std::string out = scratch.Path() + "/release";
    const std::string setup = scratch.Path() + "/setup.exe";
    fs::create_directories(folder);
    fs::create_directories(out);
    FillReleaseFolder(folder);
    fault.make(folder);
    ASSERT_TRUE(SaveFile(out + "/product_files.inc", Sample(10)) && SaveFile(setup, Sample(10)));

    const std::string command = std::string(TARN_PACKER) + " table " + folder + " " + out + " " + setup + " 2>&1";
    FILE* packer = popen(command.c_str(), "r");
    ASSERT_NE(packer, nullptr);
    std::string said;
    char piece[256];
    while (std::fgets(piece, sizeof piece, packer) != nullptr) said += piece;
    EXPECT_EQ(WEXITSTATUS(pclose(packer)), 1);
    EXPECT_EQ(said, "packer: " + folder + ": " + fault.said + "\n");
    EXPECT_FALSE(fs::exists(out + "/product_files.inc"));
    EXPECT_FALSE(fs::exists(setup));
  }
}

} // namespace
