// The forge's parts: check values set by flipping free bits, PE and ZIP stand-ins, filler of a
// chosen compressibility, images of an exact length, and whole stand-ins of small rows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "files/file_bytes.h"
#include "forge/crc_forcing.h"
#include "forge/exact_image.h"
#include "forge/filler.h"
#include "forge/pe_image.h"
#include "forge/standins.h"
#include "forge/zip_archive.h"
#include "payload/crc32.h"
#include "reference_expanders.h"
#include "scratch_folder.h"
#include "szdd/szdd_decoder.h"
#include "szdd/szdd_encoder.h"
#include "wizard/product.h"

namespace {

uint32_t Register(const std::vector<uint8_t>& content) { return Crc32Update(content.data(), content.size(), CRC32_START); }

uint32_t Dword(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

std::vector<uint8_t> Counting(size_t length) {
  std::vector<uint8_t> content(length);
  for (size_t i = 0; i < length; ++i) content[i] = static_cast<uint8_t>(i * 7 + i / 256);
  return content;
}

const FileEntry& RowNamed(const char* name) {
  const FileEntry* row = productFiles;
  while (std::strcmp(row->name, name) != 0) ++row;
  return *row;
}

TEST(CrcForcing, FourFreeBytesReachAnyValueAndNothingElseChanges) {
  for (uint32_t target : {0x00000000u, 0xFFFFFFFFu, 0x12F6CD1Bu, 0xA3EA03E8u}) {
    std::vector<uint8_t> content = Counting(5000);
    const std::vector<uint8_t> before = content;
    ASSERT_TRUE(ForceCrc(content, FreeBytes(1234, 4), target));
    EXPECT_EQ(Register(content), target);
    for (size_t i = 0; i < content.size(); ++i)
      if (i < 1234 || i >= 1238) ASSERT_EQ(content[i], before[i]) << i;
  }
}

TEST(CrcForcing, FreeLowNibblesKeepLettersBetweenAtAndO) {
  std::vector<uint8_t> content(300, '@');
  ASSERT_TRUE(ForceCrc(content, FreeLowNibbles(280, 12), 0xF7F2D8E5));
  EXPECT_EQ(Register(content), 0xF7F2D8E5u);
  for (uint8_t c : content) EXPECT_TRUE(c >= '@' && c <= 'O') << int(c);
}

TEST(CrcForcing, WhatTheFreeBitsCannotReachLeavesTheContentUntouched) {
  std::vector<uint8_t> content = Counting(100);
  const std::vector<uint8_t> before = content;
  const uint32_t other = Register(content) ^ 0x80000001u;
  // One free byte reaches 256 of the 2^32 values, and not this one.
  EXPECT_FALSE(ForceCrc(content, FreeBytes(50, 1), other));
  EXPECT_FALSE(ForceCrc(content, {}, other));
  EXPECT_FALSE(ForceCrc(content, FreeBytes(98, 4), other)) << "free bytes past the end";
  EXPECT_EQ(content, before);
}

TEST(PeStandins, MinimalImagesAreProgramsOrLibrariesOfTheExactSize) {
  for (PeKind kind : {PeKind::PROGRAM, PeKind::LIBRARY}) {
    const PeStandin pe = MinimalPe(kind, 53248);
    ASSERT_EQ(pe.bytes.size(), 53248u);
    EXPECT_EQ(pe.bytes[0], 'M');
    const uint32_t header = Dword(pe.bytes, 0x3C);
    EXPECT_EQ(Dword(pe.bytes, header), 0x00004550u);
    EXPECT_EQ(pe.bytes[header + 4] | pe.bytes[header + 5] << 8, 0x014C);
    const bool library = (pe.bytes[header + 23] & 0x20) != 0;
    EXPECT_EQ(library, kind == PeKind::LIBRARY);
    // The one section's raw data runs to the end of the file.
    const size_t section = header + 24 + 0xE0;
    EXPECT_EQ(Dword(pe.bytes, section + 16) + Dword(pe.bytes, section + 20), 53248u);
    const uint32_t entry = Dword(pe.bytes, header + 24 + 16);
    if (kind == PeKind::PROGRAM) {
      EXPECT_EQ(pe.bytes[entry - Dword(pe.bytes, section + 12) + Dword(pe.bytes, section + 20)], 0xC3);
    } else {
      EXPECT_EQ(entry, 0u);
    }
  }
}

TEST(PeStandins, APaddedProgramKeepsItsBytesAndRefusesWhatIsNoProgram) {
  const std::vector<uint8_t> program = MinimalPe(PeKind::PROGRAM, 1024).bytes;
  PeStandin padded;
  ASSERT_TRUE(PadProgram(program, 4096, padded));
  EXPECT_EQ(padded.bytes.size(), 4096u);
  EXPECT_EQ(padded.freeFrom, 1024u);
  EXPECT_TRUE(std::equal(program.begin(), program.end(), padded.bytes.begin()));
  EXPECT_FALSE(PadProgram(program, 1024, padded));
  EXPECT_FALSE(PadProgram(std::vector<uint8_t>(512, 'M'), 4096, padded));
}

TEST(ZipStandin, TheArchivePassesUnzipAndHasThePredictedSize) {
  const std::vector<uint8_t> text = {'a', 'b', 'c'};
  const std::vector<uint8_t> archive =
      WriteStoredZip({{"one.txt", text}, {"two.txt", Counting(70000)}}, "the comment");
  EXPECT_EQ(archive.size(), StoredZipOverhead({"one.txt", "two.txt"}) + 3 + 70000 + 11);
  // The member's CRC-32 in its local header is the common one, complement of the register.
  EXPECT_EQ(Dword(archive, 14), ~Crc32Update(text.data(), text.size(), CRC32_START));
  ScratchFolder folder;
  const std::string path = folder.Path() + "/test.zip";
  ASSERT_TRUE(SaveFile(path, archive));
  EXPECT_EQ(std::system(("unzip -tqq " + path + " >/dev/null 2>&1").c_str()), 0);
}

size_t ShortestImage(FillerKind kind, size_t incompressible) {
  std::vector<uint8_t> content(20000);
  Fill(content, FillerRegion{0, content.size(), kind, 7}, incompressible);
  return CompressSzdd(content.data(), content.size(), 'x').size();
}

TEST(Filler, MoreIncompressibleFillerGivesLongerImages) {
  for (FillerKind kind : {FillerKind::BINARY, FillerKind::TEXT}) {
    const size_t none = ShortestImage(kind, 0);
    const size_t half = ShortestImage(kind, 10000);
    const size_t all = ShortestImage(kind, 20000);
    EXPECT_LT(none, half);
    EXPECT_LT(half, all);
  }
  // Random bytes are as good as incompressible: near nine bits each.
  EXPECT_GT(ShortestImage(FillerKind::BINARY, 20000), 22000u);
}

TEST(Filler, TextIsPrintableLinesEndingInCrLfAndTheSameEveryTime) {
  std::vector<uint8_t> first(1000, 0), second(1000, 0);
  Fill(first, FillerRegion{10, 990, FillerKind::TEXT, 3}, 400);
  Fill(second, FillerRegion{10, 990, FillerKind::TEXT, 3}, 400);
  EXPECT_EQ(first, second);
  EXPECT_EQ(first[9], 0);
  EXPECT_EQ(first[990], 0);
  EXPECT_EQ(first[988], '\r');
  EXPECT_EQ(first[989], '\n');
  for (size_t i = 10; i < 990; ++i) EXPECT_TRUE(first[i] == '\r' || first[i] == '\n' || (first[i] >= ' ' && first[i] < 127));
}

TEST(ExactImage, ReachesTheLengthAndExpandsBackToTheContent) {
  const ContentMaker make = [](size_t incompressible, std::vector<uint8_t>& content) {
    content.assign(30000, 0);
    Fill(content, FillerRegion{0, content.size(), FillerKind::BINARY, 11}, incompressible);
    return true;
  };
  for (size_t length : {5000u, 18000u, 31000u}) {
    std::vector<uint8_t> content, image;
    ASSERT_TRUE(MakeExactImage(make, ImageTarget{length, 'x', 30000}, content, image)) << length;
    EXPECT_EQ(image.size(), length);
    std::vector<uint8_t> expanded(content.size());
    EXPECT_EQ(ExpandSzddImage(image.data(), image.size(), expanded.data(), expanded.size()).outcome, SzddOutcome::EXPANDED);
    EXPECT_EQ(expanded, content);
  }
  std::vector<uint8_t> content, image;
  EXPECT_FALSE(MakeExactImage(make, ImageTarget{40000, 'x', 30000}, content, image)) << "longer than all literals";
}

TEST(Standins, SmallRowsGetTheirSizeCheckValueAndStoredLength) {
  // A small program in place of the uninstaller, which the Windows trees build.
  const StandinPrograms programs{{"uninstal.exe", MinimalPe(PeKind::PROGRAM, 8192).bytes}};
  for (const char* name : {"uninstal.exe", "tarn.cnt", "trniconn.xpt", "tarnsyst.trn"}) {
    const FileEntry& row = RowNamed(name);
    ForgedFile forged;
    std::string error;
    ASSERT_TRUE(ForgeStandin(row, programs, forged, error)) << error;
    EXPECT_EQ(forged.content.size(), static_cast<size_t>(row.size)) << name;
    EXPECT_EQ(Register(forged.content), row.checkValue) << name;
    EXPECT_EQ(forged.stored.size(), StoredLength(row)) << name;
    EXPECT_EQ(row.compressed ? ExpandWithLibmspack(forged.stored) : forged.stored, forged.content) << name;
  }
}

TEST(Standins, RefusedRowsSayWhy) {
  ForgedFile forged;
  std::string error;
  FileEntry unknown = RowNamed("tarn.cnt");
  unknown.name = "other.txt";
  EXPECT_FALSE(ForgeStandin(unknown, {}, forged, error));
  EXPECT_NE(error.find("other.txt"), std::string::npos);
  FileEntry raw = RowNamed("tarn.cnt");
  raw.compressed = 0;
  EXPECT_FALSE(ForgeStandin(raw, {}, forged, error));
  EXPECT_NE(error.find("compressed"), std::string::npos);
  EXPECT_FALSE(ForgeStandin(RowNamed("tarn.exe"), {{"tarn.exe", std::vector<uint8_t>(2048, 0)}}, forged, error))
      << "not a program";
  EXPECT_FALSE(ForgeStandin(RowNamed("uninstal.exe"), {}, forged, error)) << "no program given";
  const StandinPrograms tooLarge{{"uninstal.exe", MinimalPe(PeKind::PROGRAM, 53248).bytes}};
  EXPECT_FALSE(ForgeStandin(RowNamed("uninstal.exe"), tooLarge, forged, error)) << "a program as large as its row";
}

} // namespace
