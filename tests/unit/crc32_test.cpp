#include "payload/crc32.h"

#include <gtest/gtest.h>

#include <string>

namespace {

uint32_t RegisterOf(const std::string& text) { return Crc32Update(text.data(), text.size(), CRC32_START); }

uint32_t EntryByDefinition(uint32_t n) {
  for (int step = 0; step < 8; ++step) n = (n & 1) ? (n >> 1) ^ 0xEDB88320u : n >> 1;
  return n;
}

TEST(Crc32, TheRegisterIsTheComplementOfTheCommonCrc) {
  EXPECT_EQ(RegisterOf("abc"), 0xCADBBE3Du);
  EXPECT_EQ(~RegisterOf("abc"), 0x352441C2u);
  EXPECT_EQ(~RegisterOf("123456789"), 0xCBF43926u);
}

TEST(Crc32, NothingLeavesTheRegisterAsItWas) {
  EXPECT_EQ(RegisterOf(""), 0xFFFFFFFFu);
  EXPECT_EQ(Crc32Update(nullptr, 0, 0x12345678u), 0x12345678u);
}

TEST(Crc32, PiecesGiveTheRegisterOfTheWhole) {
  std::string data;
  for (int i = 0; i < 1000; ++i) data += static_cast<char>(i * 7 + 3);
  const uint32_t whole = RegisterOf(data);
  for (size_t cut : {size_t{0}, size_t{1}, size_t{499}, size_t{999}, size_t{1000}}) {
    const uint32_t first = Crc32Update(data.data(), cut, CRC32_START);
    EXPECT_EQ(Crc32Update(data.data() + cut, data.size() - cut, first), whole) << "cut at " << cut;
  }
}

TEST(Crc32, EveryByteFollowsThePolynomial) {
  for (uint32_t n = 0; n < 256; ++n) {
    const auto byte = static_cast<unsigned char>(n);
    EXPECT_EQ(Crc32Update(&byte, 1, 0), EntryByDefinition(n)) << "byte " << n;
  }
}

} // namespace
