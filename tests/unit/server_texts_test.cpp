#include "progman/progman_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Names(const std::string& list, const char* group = "TARN") {
  return GroupListNamesGroup(list.data(), list.size(), group);
}

TEST(GroupList, FindsTheNameAnywhereCaseIgnored) {
  EXPECT_TRUE(Names("Accessories\r\nTARN\r\n"));
  EXPECT_TRUE(Names("accessories\r\ntarn\r\n"));
  EXPECT_FALSE(Names("\r\n"));
  EXPECT_FALSE(Names("Accessories\r\nTAR\r\nN\r\n"));
  // Line boundaries are not looked at.
  EXPECT_TRUE(Names("OLDTARN\r\n"));
}

TEST(GroupList, EndsAtTheFirstZeroOrTheGivenLength) {
  EXPECT_FALSE(Names(std::string("Games\0TARN\r\n", 12)));
  const std::string list = "Games\r\nTARN";
  EXPECT_FALSE(GroupListNamesGroup(list.data(), list.size() - 1, "TARN"));
  EXPECT_TRUE(GroupListNamesGroup(list.data(), list.size(), "TARN"));
}

struct Items {
  GroupItem rows[4] = {
      {COMPONENT_PROGRAM, "tarn.exe", "TARN", 1, 0, 1},
      {COMPONENT_PROGRAM, "tarn.hlp", "TARN help", 1, 0, 1},
      {COMPONENT_PROGRAM, "tarn.exe", "TARN", 1, 0, 1},
      {COMPONENT_END, nullptr, "TARN", 0, 0, 0},
  };
  std::string Scan(const std::string& list) {
    MarkPresentItems(list.data(), list.size(), rows);
    return std::to_string(rows[0].alreadyPresent) + std::to_string(rows[1].alreadyPresent) +
           std::to_string(rows[2].alreadyPresent) + std::to_string(rows[3].alreadyPresent);
  }
};

TEST(ItemScan, MarksTheFirstRowOfEachQuotedNameCaseIgnored) {
  EXPECT_EQ(Items().Scan("\"TARN\",C:\\Groups\\tarn.grp,0,0,2\r\n"
                         "\"TARN\",\"\",C:\\tarn\\tarn.exe,0,0,0,0,0\r\n"
                         "\"tarn HELP\",\"\",C:\\tarn\\tarn.hlp,0,0,0,0,0\r\n"),
            "1100");
  EXPECT_EQ(Items().Scan("\"TARN\",C:\\Groups\\tarn.grp,0,0,1\r\n\"TARN help\",\"\",x,0\r\n"), "0100");
}

TEST(ItemScan, GroupLineAndOtherNamesMarkNothing) {
  EXPECT_EQ(Items().Scan("\"TARN\",x,0,0,0\r\n"), "0000");
  EXPECT_EQ(Items().Scan("\"TARN\"\r\n\"Readme\",\"\"\r\n\"TARNhelp\"\r\n"), "0000");
  EXPECT_EQ(Items().Scan(""), "0000");
  EXPECT_EQ(Items().Scan("\n"), "0000");
  // A name that runs to the end of the text without its closing quote still counts.
  EXPECT_EQ(Items().Scan("group\r\n\"TARN help"), "0100");
}

TEST(ItemScan, LongNamesAreCutAndTheScanGoesOnAfterThem) {
  const std::string longName(300, 'n');
  EXPECT_EQ(Items().Scan("g\r\n\"" + longName + "\",x\r\n\"TARN\",y\r\n"), "1000");
  // Cut to 255 characters, a name can match a caption of that length.
  Items items;
  const std::string caption(ITEM_NAME_LIMIT, 'n');
  items.rows[1].caption = caption.c_str();
  EXPECT_EQ(items.Scan("g\r\n\"" + longName + "\"\r\n"), "0100");
}

TEST(ItemScan, EndsAtTheFirstZero) {
  EXPECT_EQ(Items().Scan(std::string("g\r\n\"x\"\0\r\n\"TARN\"\r\n", 17)), "0000");
}

} // namespace
