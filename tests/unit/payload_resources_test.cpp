// The payload inside the built setup.exe of each Windows tree named in TARN_PAYLOAD_TREES
// (tree roots, separated by ':'): its resources against the catalogue and the forge's
// stored forms in that tree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "files/file_bytes.h"
#include "payload/crc32.h"
#include "pe_resources.h"
#include "szdd/szdd_decoder.h"
#include "szdd/szdd_format.h"
#include "wizard/product.h"

namespace {

constexpr uint16_t RT_RCDATA_TYPE = 10;
constexpr uint16_t RT_GROUP_ICON_TYPE = 14;
constexpr uint16_t PAYLOAD_LANGUAGE = 0x040B;
constexpr uint16_t FIRST_PAYLOAD_ID = 100;
constexpr uint16_t LAST_PAYLOAD_ID = 122;

std::vector<std::string> NamedTrees() {
  std::vector<std::string> trees;
  const char* named = std::getenv("TARN_PAYLOAD_TREES");
  std::stringstream list(named == nullptr ? "" : named);
  for (std::string tree; std::getline(list, tree, ':');)
    if (!tree.empty()) trees.push_back(tree);
  return trees;
}

std::vector<const FileEntry*> Rows() {
  std::vector<const FileEntry*> rows;
  for (const FileEntry* row = productFiles; row->componentKey != COMPONENT_END; ++row) rows.push_back(row);
  return rows;
}

std::vector<uint8_t> Expanded(const std::vector<uint8_t>& image) {
  SzddHeader header{};
  if (!ReadSzddHeader(image.data(), image.size(), header)) return {};
  std::vector<uint8_t> content(header.expandedLength);
  const SzddExpansion expansion = ExpandSzddImage(image.data(), image.size(), content.data(), content.size());
  if (expansion.outcome != SzddOutcome::EXPANDED) return {};
  return content;
}

class BuiltPayload : public ::testing::TestWithParam<std::string> {
protected:
  // Each tree's setup.exe is read once for all its tests; only a whole reading is kept.
  void SetUp() override {
    static std::map<std::string, std::vector<Resource>> read;
    if (read.count(GetParam()) == 0) {
      std::vector<uint8_t> setup;
      std::vector<Resource> found;
      ASSERT_TRUE(LoadFile(GetParam() + "/src/setup.exe", setup)) << GetParam();
      ASSERT_TRUE(ReadPeResources(setup, found)) << GetParam();
      read[GetParam()] = found;
    }
    resources = read[GetParam()];
  }

  const Resource* Chunk(int32_t id) const { return FindResource(resources, RT_RCDATA_TYPE, static_cast<uint16_t>(id)); }

  std::vector<uint8_t> Joined(const FileEntry& row) const {
    std::vector<uint8_t> joined;
    for (int32_t k = 0; k < row.chunkCount; ++k) {
      const Resource* chunk = Chunk(row.firstResource + k);
      if (chunk == nullptr) return {};
      joined.insert(joined.end(), chunk->data.begin(), chunk->data.end());
    }
    return joined;
  }

  std::vector<uint8_t> Stored(const FileEntry& row) const {
    std::vector<uint8_t> stored;
    EXPECT_TRUE(LoadFile(GetParam() + "/tools/forge/stored/" + row.name, stored)) << row.name;
    return stored;
  }

  std::vector<Resource> resources;
};

TEST(PayloadTrees, AreNamed) { EXPECT_FALSE(NamedTrees().empty()) << "TARN_PAYLOAD_TREES names no Windows tree"; }

TEST_P(BuiltPayload, ResourcesOneHundredToOneHundredTwentyTwoAreThereInLanguage040B) {
  for (uint16_t id = FIRST_PAYLOAD_ID; id <= LAST_PAYLOAD_ID; ++id) {
    const Resource* chunk = Chunk(id);
    ASSERT_NE(chunk, nullptr) << id;
    EXPECT_EQ(chunk->language, PAYLOAD_LANGUAGE) << id;
  }
  EXPECT_EQ(Chunk(FIRST_PAYLOAD_ID - 1), nullptr);
  EXPECT_EQ(Chunk(LAST_PAYLOAD_ID + 1), nullptr);
}

TEST_P(BuiltPayload, EveryChunkButTheLastHoldsTheChunkSize) {
  const Resource* only = Chunk(100);
  ASSERT_NE(only, nullptr);
  EXPECT_EQ(only->data.size(), 30638u) << "row 1 is a single resource of its last chunk size";
  for (const FileEntry* row : Rows()) {
    for (int32_t k = 0; k < row->chunkCount; ++k) {
      const Resource* chunk = Chunk(row->firstResource + k);
      ASSERT_NE(chunk, nullptr) << row->name << " chunk " << k;
      const auto expected = static_cast<size_t>(k + 1 < row->chunkCount ? row->chunkSize : row->lastChunkSize);
      EXPECT_EQ(chunk->data.size(), expected) << row->name << " chunk " << k;
    }
  }
}

TEST_P(BuiltPayload, OnlyTheFirstChunkOfAnSzddRowStartsWithTheMagic) {
  for (const FileEntry* row : Rows()) {
    if (row->compressed == 0) continue;
    for (int32_t k = 0; k < row->chunkCount; ++k) {
      const Resource* chunk = Chunk(row->firstResource + k);
      ASSERT_NE(chunk, nullptr) << row->name << " chunk " << k;
      const std::vector<uint8_t>& data = chunk->data;
      const bool magic = data.size() >= sizeof szddMagic && std::memcmp(data.data(), szddMagic, sizeof szddMagic) == 0;
      EXPECT_EQ(magic, k == 0) << row->name << " chunk " << k;
    }
  }
}

TEST_P(BuiltPayload, TheRawRowJoinsToItsFileUnchanged) {
  const FileEntry& raw = productFiles[9];
  ASSERT_STREQ(raw.name, "tarnsyst.trn");
  const std::vector<uint8_t> joined = Joined(raw);
  ASSERT_EQ(joined.size(), 104889u);
  EXPECT_EQ(Crc32Update(joined.data(), joined.size(), CRC32_START), raw.checkValue);
  EXPECT_EQ(joined, Stored(raw));
}

TEST_P(BuiltPayload, EverySzddRowExpandsToItsSizeAndCheckValue) {
  for (const FileEntry* row : Rows()) {
    if (row->compressed == 0) continue;
    const std::vector<uint8_t> content = Expanded(Joined(*row));
    EXPECT_EQ(content.size(), static_cast<size_t>(row->size)) << row->name;
    EXPECT_EQ(Crc32Update(content.data(), content.size(), CRC32_START), row->checkValue) << row->name;
  }
}

TEST_P(BuiltPayload, TheChunksJoinToTheForgedStoredForms) {
  for (const FileEntry* row : Rows()) EXPECT_EQ(Joined(*row), Stored(*row)) << row->name;
}

TEST_P(BuiltPayload, TheProgramCarriesTheIconOfTheFileType) {
  const FileEntry& program = productFiles[2];
  ASSERT_STREQ(program.name, "tarn.exe");
  std::vector<Resource> programResources;
  ASSERT_TRUE(ReadPeResources(Expanded(Joined(program)), programResources));
  EXPECT_NE(FindResource(programResources, RT_GROUP_ICON_TYPE, static_cast<uint16_t>(productFileTypes[0].iconResource)),
            nullptr);
}

INSTANTIATE_TEST_SUITE_P(Trees, BuiltPayload, ::testing::ValuesIn(NamedTrees()));
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(BuiltPayload);

} // namespace
