// Our decoder against images that another compressor made.
#include <gtest/gtest.h>

#include "corpus.h"
#include "scratch_folder.h"
#include "szdd/szdd_decoder.h"
#include "szdd/szdd_format.h"

namespace {

// mscompress and msexpand move one byte per system call: a modest share of the corpus.
constexpr size_t WINE_BYTES = 1200000;
// mscompress writes wrong literals for contents shorter than this (zero bytes in place of
// the content's, and one literal too many for an empty file).
constexpr size_t MSCOMPRESS_SHORTEST = 16;

struct OurExpansion {
  SzddOutcome outcome;
  Bytes bytes;
};

OurExpansion ExpandOurs(const Bytes& image) {
  SzddHeader header{};
  if (!ReadSzddHeader(image.data(), image.size(), header)) return OurExpansion{SzddOutcome::NOT_SZDD, {}};
  Bytes out(header.expandedLength);
  const SzddExpansion result = ExpandSzddImage(image.data(), image.size(), out.data(), out.size());
  out.resize(result.length);
  return OurExpansion{result.outcome, out};
}

TEST(SzddCorpus, OurDecoderExpandsWhatMscompressMakes) {
  ScratchFolder folder;
  std::vector<CorpusFile> corpus = WineCorpus(WINE_BYTES);
  EXPECT_FALSE(corpus.empty()) << "no Wine DLLs found: run scripts/install-deps.sh";
  for (CorpusFile& file : EdgeCorpus())
    if (file.content.size() >= MSCOMPRESS_SHORTEST) corpus.push_back(file);
  for (const CorpusFile& file : corpus) {
    SCOPED_TRACE(file.name);
    const Bytes image = CompressWithMscompress(file.content, folder.Path());
    ASSERT_FALSE(image.empty());
    const OurExpansion ours = ExpandOurs(image);
    EXPECT_EQ(ours.outcome, SzddOutcome::EXPANDED);
    EXPECT_TRUE(ours.bytes == file.content);
  }
}

// What mscompress makes of the tiniest files is wrong, but still an image: we expand it as
// libmspack does, the header's length and no more.
TEST(SzddCorpus, MscompressImagesOfTinyFilesExpandAsLibmspackExpandsThem) {
  ScratchFolder folder;
  for (const CorpusFile& file : EdgeCorpus()) {
    if (file.content.size() >= MSCOMPRESS_SHORTEST) continue;
    SCOPED_TRACE(file.name);
    const Bytes image = CompressWithMscompress(file.content, folder.Path());
    ASSERT_FALSE(image.empty());
    const OurExpansion ours = ExpandOurs(image);
    EXPECT_EQ(ours.bytes, ExpandWithLibmspack(image));
    EXPECT_EQ(ours.bytes.size(), file.content.size());
  }
}

} // namespace
