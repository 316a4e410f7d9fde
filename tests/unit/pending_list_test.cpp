#include "finish/pending_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// A list as the registry holds it: the strings, each with its NUL, then the closing one.
std::string ListOf(std::initializer_list<std::string> strings) {
  std::string list;
  for (const std::string& text : strings) list += text + '\0';
  return list + '\0';
}

std::vector<std::pair<std::string, std::string>> PairsOf(const std::string& list) {
  std::vector<std::pair<std::string, std::string>> pairs;
  PendingPairReader reader(list.data(), static_cast<uint32_t>(list.size()));
  while (reader.Advance()) {
    EXPECT_EQ(reader.firstString[reader.firstLength - 1], '\0');
    EXPECT_EQ(reader.secondString[reader.secondLength - 1], '\0');
    pairs.emplace_back(reader.firstString, reader.secondString);
  }
  EXPECT_EQ(reader.end, 1);
  return pairs;
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(PendingPairReader, ReadsPairsUpToTheClosingString) {
  EXPECT_EQ(PairsOf(ListOf({"\\??\\C:\\a", "", "\\??\\C:\\b", "\\??\\C:\\c"})),
            (Pairs{{"\\??\\C:\\a", ""}, {"\\??\\C:\\b", "\\??\\C:\\c"}}));
  EXPECT_EQ(PairsOf(ListOf({})), Pairs{});
  EXPECT_EQ(PairsOf(""), Pairs{});
  EXPECT_EQ(PairsOf(ListOf({"\\??\\a", ""}) + std::string("\\??\\b\0\0", 7)), (Pairs{{"\\??\\a", ""}}))
      << "nothing after the closing string";
}

// Whatever the data: the reader stops at the last pair that lies whole within it.
TEST(PendingPairReader, EndsAtAPairCutOff) {
  const std::string whole = ListOf({"\\??\\a", "", "\\??\\b", "\\??\\c"});
  EXPECT_EQ(PairsOf(whole.substr(0, whole.size() - 1)), (Pairs{{"\\??\\a", ""}, {"\\??\\b", "\\??\\c"}}))
      << "without the closing string";
  EXPECT_EQ(PairsOf(whole.substr(0, whole.size() - 3)), (Pairs{{"\\??\\a", ""}})) << "second string cut";
  EXPECT_EQ(PairsOf(whole.substr(0, 13)), (Pairs{{"\\??\\a", ""}})) << "second string missing";
  EXPECT_EQ(PairsOf(std::string("\\??\\a", 5)), Pairs{}) << "first string without its NUL";
}

// Short names as the platform would give them, for files that exist.
struct FakeVolume {
  std::map<std::string, std::string> shortNames;
  std::vector<std::string> asked;
};

int LookUp(const char* path, char* out, uint32_t capacity, void* context) {
  auto* volume = static_cast<FakeVolume*>(context);
  volume->asked.push_back(path);
  const auto found = volume->shortNames.find(path);
  if (found == volume->shortNames.end() || found->second.size() >= capacity) return 0;
  std::strcpy(out, found->second.c_str());
  return 1;
}

struct Filtered {
  std::string list;
  int dropped;
};

Filtered Filter(const std::string& list, const char* path, FakeVolume& volume, int singles = 0) {
  std::string output(list.size(), '#');
  const PendingListFilter result = FilterPendingList(list.data(), static_cast<uint32_t>(list.size()), path, LookUp,
                                                     &volume, output.data(), singles);
  EXPECT_LE(result.length, list.size());
  return {output.substr(0, result.length), result.dropped};
}

class PendingListFilterTest : public testing::Test {
protected:
  FakeVolume volume{{
      {"C:\\Program Files\\TARN\\uninstal.exe", "C:\\PROGRA~1\\TARN\\uninstal.exe"},
      {"C:\\PROGRA~1\\TARN\\uninstal.exe", "C:\\PROGRA~1\\TARN\\uninstal.exe"},
      {"c:\\progra~1\\tarn\\UNINSTAL.EXE", "c:\\progra~1\\tarn\\UNINSTAL.EXE"},
      {"C:\\Program Files\\TARN", "C:\\PROGRA~1\\TARN"},
      {"c:\\PROGRA~1\\tarn", "c:\\PROGRA~1\\tarn"},
      {"C:\\other.dll", "C:\\other.dll"},
  }, {}};
};

TEST_F(PendingListFilterTest, DropsTheOperationsOnThePathAndKeepsTheOthersInOrder) {
  const std::string list = ListOf({"\\??\\C:\\other.dll", "\\??\\C:\\new.dll",                 //
                                   "\\??\\C:\\Program Files\\TARN\\uninstal.exe", "",        //
                                   "\\??\\c:\\progra~1\\tarn\\UNINSTAL.EXE", "\\??\\C:\\x",  //
                                   "\\??\\C:\\gone.tmp", ""});
  const Filtered result = Filter(list, "\\??\\C:\\Program Files\\TARN\\uninstal.exe", volume);
  EXPECT_EQ(result.dropped, 1);
  EXPECT_EQ(result.list, ListOf({"\\??\\C:\\other.dll", "\\??\\C:\\new.dll", "\\??\\C:\\gone.tmp", ""}));
}

TEST_F(PendingListFilterTest, TheDirectoryByItsShortNameInOtherCase) {
  const std::string list = ListOf({"\\??\\c:\\PROGRA~1\\tarn", "", "\\??\\C:\\other.dll", ""});
  const Filtered result = Filter(list, "\\??\\C:\\Program Files\\TARN", volume);
  EXPECT_EQ(result.dropped, 1);
  EXPECT_EQ(result.list, ListOf({"\\??\\C:\\other.dll", ""}));
}

// Without a short name (the file does not exist) nothing matches, and then the output is
// not closed: the caller leaves the list as it was.
TEST_F(PendingListFilterTest, NothingDroppedWithoutShortNames) {
  const std::string list = ListOf({"\\??\\C:\\Program Files\\TARN\\comproxy.dll", ""});
  Filtered result = Filter(list, "\\??\\C:\\Program Files\\TARN\\comproxy.dll", volume);
  EXPECT_EQ(result.dropped, 0);
  EXPECT_EQ(result.list, list.substr(0, list.size() - 1));
  result = Filter(list, "\\??\\", volume);
  EXPECT_EQ(result.dropped, 0);
}

// Only what lies behind the four-character prefix is looked up; strings with nothing behind
// it are never looked up.
TEST_F(PendingListFilterTest, LooksUpOnlyBehindThePrefix) {
  const std::string list = ListOf({"XXXXC:\\other.dll", "", "\\??\\", "", "abc", "\\??\\C:\\other.dll"});
  const Filtered result = Filter(list, "YYYYC:\\other.dll", volume);
  EXPECT_EQ(result.dropped, 1);
  EXPECT_EQ(result.list, ListOf({"\\??\\", "", "abc", "\\??\\C:\\other.dll"}));
  EXPECT_EQ(volume.asked, (std::vector<std::string>{"C:\\other.dll", "C:\\other.dll"}));
}

// WININIT.INI's [rename] section as the profile functions give it: an entry an operation,
// "NUL=" before the path that it deletes.
TEST_F(PendingListFilterTest, SinglesAreTheEntriesOfARenameSection) {
  const std::string section = ListOf({"NUL=c:\\progra~1\\tarn\\UNINSTAL.EXE", "NUL=C:\\other.dll",
                                      "C:\\NEW.DLL=C:\\OLD.DLL", "NUL=C:\\PROGRA~1\\TARN\\uninstal.exe"});
  const Filtered result = Filter(section, "\\??\\C:\\Program Files\\TARN\\uninstal.exe", volume, 1);
  EXPECT_EQ(result.dropped, 1);
  EXPECT_EQ(result.list, ListOf({"NUL=C:\\other.dll", "C:\\NEW.DLL=C:\\OLD.DLL"}));
  EXPECT_EQ(Filter(ListOf({"NUL=C:\\other.dll"}), "\\??\\C:\\Program Files\\TARN", volume, 1).dropped, 0);
}

// A last pair cut off is not part of the list: the rewritten list ends before it.
TEST_F(PendingListFilterTest, ACutOffLastPairIsLeftOut) {
  std::string list = ListOf({"\\??\\C:\\other.dll", "", "\\??\\C:\\PROGRA~1\\TARN\\uninstal.exe", "",
                             "\\??\\C:\\cut.dll", "\\??\\C:\\cut2.dll"});
  list.resize(list.size() - 4);
  const Filtered result = Filter(list, "\\??\\C:\\Program Files\\TARN\\uninstal.exe", volume);
  EXPECT_EQ(result.dropped, 1);
  EXPECT_EQ(result.list, ListOf({"\\??\\C:\\other.dll", ""}));
}

} // namespace
