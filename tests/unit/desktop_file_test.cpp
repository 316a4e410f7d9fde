#include "finish/desktop_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Item(uint16_t key, const std::string& data) {
  const size_t size = data.size() + 4;
  Bytes item{static_cast<uint8_t>(key), static_cast<uint8_t>(key >> 8), static_cast<uint8_t>(size),
             static_cast<uint8_t>(size >> 8)};
  item.insert(item.end(), data.begin(), data.end());
  return item;
}

Bytes ListOf(std::initializer_list<Bytes> items) {
  Bytes list;
  for (const Bytes& item : items) list.insert(list.end(), item.begin(), item.end());
  list.push_back(0);
  list.push_back(0);
  return list;
}

Bytes ListOf(const DesktopFile& desktop) {
  if (desktop.list == nullptr) return {};
  return Bytes(desktop.list, desktop.list + desktop.ListLength());
}

// A header as a file would carry it.
Bytes FileHeader(const std::string& name, uint16_t version, const char* signature = "DSK") {
  Bytes header(DESKTOP_HEADER_SIZE, 0);
  std::memcpy(header.data(), signature, 3);
  header[3] = static_cast<uint8_t>(name.size());
  std::memcpy(header.data() + 4, name.data(), name.size() < 8 ? name.size() : 8);
  header[12] = static_cast<uint8_t>(version);
  header[13] = static_cast<uint8_t>(version >> 8);
  return header;
}

// A list buffer as Load hands it over: allocated by malloc with its 2 bytes of slack.
uint8_t* Allocated(const Bytes& list) {
  auto* buffer = static_cast<uint8_t*>(std::malloc(list.size() + 2));
  if (!list.empty()) std::memcpy(buffer, list.data(), list.size());
  return buffer;
}

TEST(DesktopFile, StartsWithTheHeaderAndAnEmptyList) {
  DesktopFile desktop("DSK", "TARN32A", 0x1203);
  const Bytes header(desktop.header, desktop.header + sizeof desktop.header);
  EXPECT_EQ(header, (Bytes{'D', 'S', 'K', 7, 'T', 'A', 'R', 'N', '3', '2', 'A', 0, 0x03, 0x12, 2, 0}));
  EXPECT_EQ(ListOf(desktop), ListOf({}));
}

TEST(DesktopFile, NameIsCutToEightAndSignatureToThree) {
  DesktopFile desktop("DSKX", "TARN32ABCD", 1);
  EXPECT_EQ(0, std::memcmp(desktop.header, "DSK\x08TARN32AB", 12));
}

TEST(DesktopFile, NewKeysGoToTheEndBeforeTheClosingKey) {
  DesktopFile desktop("DSK", "TARN32A", 0x1203);
  ASSERT_EQ(1, desktop.SetItem(560, "abc", 3));
  EXPECT_EQ(desktop.ListLength(), 2 + 7);
  EXPECT_EQ(ListOf(desktop), ListOf({Item(560, "abc")}));
  ASSERT_EQ(1, desktop.SetItem(7, "xy", 2));
  EXPECT_EQ(ListOf(desktop), ListOf({Item(560, "abc"), Item(7, "xy")}));
  EXPECT_EQ(0u, desktop.FindItem(560));
  EXPECT_EQ(7u, desktop.FindItem(7));
  EXPECT_EQ(13u, desktop.FindItem(99)) << "the closing key's place";
}

TEST(DesktopFile, AnItemOfAnotherLengthKeepsItsPlace) {
  DesktopFile desktop("DSK", "TARN32A", 0x1203);
  desktop.SetItem(1, "a", 1);
  desktop.SetItem(2, "bb", 2);
  desktop.SetItem(3, "c", 1);
  ASSERT_EQ(1, desktop.SetItem(2, "longer", 6));
  EXPECT_EQ(ListOf(desktop), ListOf({Item(1, "a"), Item(2, "longer"), Item(3, "c")}));
  ASSERT_EQ(1, desktop.SetItem(2, "s", 1));
  EXPECT_EQ(ListOf(desktop), ListOf({Item(1, "a"), Item(2, "s"), Item(3, "c")}));
  ASSERT_EQ(1, desktop.SetItem(2, "t", 1)) << "same length: written in place";
  EXPECT_EQ(ListOf(desktop), ListOf({Item(1, "a"), Item(2, "t"), Item(3, "c")}));
}

TEST(DesktopFile, LengthZeroOrNoDataRemovesTheItem) {
  DesktopFile desktop("DSK", "TARN32A", 0x1203);
  desktop.SetItem(1, "a", 1);
  desktop.SetItem(2, "b", 1);
  ASSERT_EQ(1, desktop.SetItem(1, "ignored", 0));
  EXPECT_EQ(ListOf(desktop), ListOf({Item(2, "b")}));
  ASSERT_EQ(1, desktop.SetItem(2, nullptr, 5));
  EXPECT_EQ(ListOf(desktop), ListOf({}));
  EXPECT_EQ(desktop.ListLength(), 2);
  EXPECT_EQ(1, desktop.SetItem(9, nullptr, 0)) << "removing an absent key changes nothing";
  EXPECT_EQ(ListOf(desktop), ListOf({}));
}

// The list length is 16-bit: a list that would outgrow it, and key 0 that would close the
// list early, are refused and leave the list as it was.
TEST(DesktopFile, RefusesKeyZeroAndListsBeyondSixteenBits) {
  DesktopFile desktop("DSK", "TARN32A", 0x1203);
  const std::string big(65000, 'x');
  ASSERT_EQ(1, desktop.SetItem(1, big.data(), big.size()));
  const Bytes before = ListOf(desktop);
  EXPECT_EQ(0, desktop.SetItem(2, big.data(), 600));
  EXPECT_EQ(0, desktop.SetItem(1, big.data(), 65532));
  EXPECT_EQ(0, desktop.SetItem(0, "a", 1));
  EXPECT_EQ(ListOf(desktop), before);
  EXPECT_EQ(1, desktop.SetItem(2, big.data(), 525)) << "up to 65535 bytes in all";
  EXPECT_EQ(desktop.ListLength(), 65535);
}

TEST(DesktopFile, WithoutAListNothingIsSet) {
  DesktopFile desktop("DSK", "TARN32A", 0x1203);
  desktop.FreeList();
  EXPECT_EQ(nullptr, desktop.list);
  EXPECT_EQ(0, desktop.ListLength());
  EXPECT_EQ(0, desktop.SetItem(1, "a", 1));
  EXPECT_EQ(0u, desktop.FindItem(1));
}

TEST(DesktopFile, AcceptsVersionsFromTheLowestUpToItsOwn) {
  DesktopFile desktop("DSK", "TARN32A", 0x1203);
  EXPECT_TRUE(desktop.Accepts(FileHeader("TARN32A", 0x0100).data(), 256));
  EXPECT_TRUE(desktop.Accepts(FileHeader("TARN32A", 0x1203).data(), 256));
  EXPECT_FALSE(desktop.Accepts(FileHeader("TARN32A", 0x1204).data(), 256));
  EXPECT_FALSE(desktop.Accepts(FileHeader("TARN32A", 0x00FF).data(), 256));
  EXPECT_TRUE(desktop.Accepts(FileHeader("TARN32A", 0x1203).data(), 0)) << "0: its own version only";
  EXPECT_FALSE(desktop.Accepts(FileHeader("TARN32A", 0x1202).data(), 0));
}

TEST(DesktopFile, RefusesAnotherNameOrSignature) {
  DesktopFile desktop("DSK", "TARN32A", 0x1203);
  const std::string name = "TARN32A";
  for (size_t i = 0; i < name.size(); ++i) {
    std::string other = name;
    other[i] = static_cast<char>(other[i] + 1);
    EXPECT_FALSE(desktop.Accepts(FileHeader(other, 0x1203).data(), 256)) << other;
  }
  EXPECT_FALSE(desktop.Accepts(FileHeader("TARN32", 0x1203).data(), 256));
  EXPECT_FALSE(desktop.Accepts(FileHeader("TARN32AB", 0x1203).data(), 256));
  EXPECT_FALSE(desktop.Accepts(FileHeader("TARN32A", 0x1203, "DSL").data(), 256));
  Bytes longName = FileHeader("TARN32A", 0x1203);
  longName[3] = 250; // would reach far beyond the 16 bytes if it were trusted
  EXPECT_FALSE(desktop.Accepts(longName.data(), 256));
}

TEST(DesktopFile, TakesAListWhoseItemsLeadToItsClosingKey) {
  DesktopFile desktop("DSK", "TARN32A", 0x1203);
  const Bytes list = ListOf({Item(560, "settings"), Item(3, "")});
  ASSERT_EQ(0, desktop.TakeList(Allocated(list), list.size()));
  EXPECT_EQ(ListOf(desktop), list);
  EXPECT_EQ(12u, desktop.FindItem(3));
  ASSERT_EQ(1, desktop.SetItem(560, "new", 3));
  EXPECT_EQ(ListOf(desktop), ListOf({Item(560, "new"), Item(3, "")}));
}

// Sizes that do not add up to the length: the file is refused and the list held before stays.
TEST(DesktopFile, RefusesListsWhoseSizesDoNotAddUp) {
  const Bytes good = ListOf({Item(1, "ab")});
  const std::vector<Bytes> broken = {
      {},                                  // not even the closing key
      {0},                                 // half a closing key
      {1, 0, 3, 0, 0, 0},                  // a size below 4
      {1, 0, 0, 0, 0, 0},                  // size 0 would walk on the spot
      {1, 0, 9, 0, 'a', 'b', 0, 0},        // runs past the end
      {1, 0, 6, 0, 'a', 'b'},              // no closing key
      {1, 0, 6, 0, 'a', 'b', 0, 0, 0, 0},  // bytes after the closing key
      {1, 0, 6, 0, 'a', 'b', 0, 0, 7},     // a stray byte after it
      {1, 0},                              // an item cut after its key
  };
  for (const Bytes& list : broken) {
    DesktopFile desktop("DSK", "TARN32A", 0x1203);
    desktop.SetItem(1, "ab", 2);
    EXPECT_EQ(DESKTOP_MISMATCH, desktop.TakeList(Allocated(list), list.size())) << list.size();
    EXPECT_EQ(ListOf(desktop), good);
  }
}

} // namespace

namespace {

int32_t NumberAt(const DesktopSettings& settings, size_t at) {
  int32_t value;
  std::memcpy(&value, settings.bytes + at, 4);
  return value;
}

// The field's text up to its NUL; the rest of the field must be zero.
std::string TextAt(const DesktopSettings& settings, size_t at, size_t width) {
  const char* field = reinterpret_cast<const char*>(settings.bytes + at);
  const size_t length = strnlen(field, width);
  EXPECT_LT(length, width) << "field at " << at << " is terminated";
  for (size_t i = length; i < width; ++i) EXPECT_EQ(field[i], '\0') << "field at " << at << ", byte " << i;
  return std::string(field, length);
}

bool ZeroBetween(const DesktopSettings& settings, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i)
    if (settings.bytes[i] != 0) return false;
  return true;
}

void ExpectNumbers(const DesktopSettings& settings) {
  EXPECT_EQ(NumberAt(settings, 0), 3);
  EXPECT_TRUE(ZeroBetween(settings, 4, 20));
  EXPECT_EQ(NumberAt(settings, 20), 3);
  EXPECT_EQ(NumberAt(settings, 24), 1);
  EXPECT_TRUE(ZeroBetween(settings, 1016, 1056));
  EXPECT_EQ(NumberAt(settings, 1056), 100);
  EXPECT_EQ(NumberAt(settings, 1060), INT32_MIN);
  EXPECT_EQ(NumberAt(settings, 1064), INT32_MIN);
  EXPECT_TRUE(ZeroBetween(settings, 1068, 1080));
}

TEST(DesktopSettings, WithoutTheVariablesHoldsTheDefaults) {
  DesktopSettings settings;
  std::memset(settings.bytes, 0xAA, sizeof settings.bytes);
  FillDesktopSettings(settings, nullptr, nullptr);
  ExpectNumbers(settings);
  EXPECT_EQ(TextAt(settings, 28, 256), "D:/.");
  EXPECT_EQ(TextAt(settings, 284, 256), "subsyst.conf");
  EXPECT_EQ(TextAt(settings, 540, 256), "D:\\.");
  EXPECT_EQ(TextAt(settings, 796, 220), "C:/TEMP");
}

TEST(DesktopSettings, LibraryWithSlashesAndAsGiven) {
  DesktopSettings settings;
  FillDesktopSettings(settings, "E:\\Libraries\\TARN\\", "C:\\Users\\me\\Temp");
  ExpectNumbers(settings);
  EXPECT_EQ(TextAt(settings, 28, 256), "E:/Libraries/TARN/");
  EXPECT_EQ(TextAt(settings, 540, 256), "E:\\Libraries\\TARN\\");
  EXPECT_EQ(TextAt(settings, 796, 220), "C:/Users/me/Temp");
}

TEST(DesktopSettings, LongValuesAreCutToTheirFields) {
  const std::string temporary = "C:\\" + std::string(227, 't');
  ASSERT_EQ(temporary.size(), 230u);
  const std::string library(300, 'L');
  DesktopSettings settings;
  FillDesktopSettings(settings, library.c_str(), temporary.c_str());
  EXPECT_EQ(TextAt(settings, 796, 220), "C:/" + std::string(216, 't')) << "219 characters";
  EXPECT_EQ(TextAt(settings, 28, 256), library.substr(0, 255));
  EXPECT_EQ(TextAt(settings, 540, 256), library.substr(0, 255));
  ExpectNumbers(settings);
}

} // namespace
