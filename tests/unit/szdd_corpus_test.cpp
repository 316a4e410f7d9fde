// Our decoder against images that another compressor made.
#include <gtest/gtest.h>

#include "corpus.h"
#include "payload/szdd_decoder.h"
#include "scratch_folder.h"

namespace {

constexpr size_t WINE_BYTES = 4000000;

void ExpectExpandsMscompressImage(const CorpusFile& file, const std::string& folder) {
  SCOPED_TRACE(file.name);
  const Bytes image = CompressWithMscompress(file.content, folder);
  ASSERT_FALSE(image.empty());
  Bytes out(file.content.size());
  const SzddExpansion result = ExpandSzddImage(image.data(), image.size(), out.data(), out.size());
  EXPECT_EQ(result.outcome, SzddOutcome::EXPANDED);
  EXPECT_EQ(result.length, file.content.size());
  EXPECT_TRUE(out == file.content);
}

TEST(SzddCorpus, OurDecoderExpandsWhatMscompressMakes) {
  ScratchFolder folder;
  for (const CorpusFile& file : EdgeCorpus()) ExpectExpandsMscompressImage(file, folder.Path());
  const std::vector<CorpusFile> wine = WineCorpus(WINE_BYTES);
  EXPECT_FALSE(wine.empty()) << "no Wine DLLs found";
  for (const CorpusFile& file : wine) ExpectExpandsMscompressImage(file, folder.Path());
}

} // namespace
