#include "progman/progman_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string EXE_ITEM = "[AddItem(\"C:\\Program Files\\TARN\\tarn.exe\",\"TARN\")]";
const std::string HLP_ITEM = "[AddItem(\"C:\\Program Files\\TARN\\tarn.hlp\",\"TARN help\")]";

struct Commands {
  GroupItem items[3] = {
      {COMPONENT_PROGRAM, "tarn.exe", "TARN", 1, 0, 1},
      {COMPONENT_PROGRAM, "tarn.hlp", "TARN help", 1, 0, 1},
      {COMPONENT_END, nullptr, "TARN", 0, 0, 0},
  };
  CommandInput input{"TARN", "C:\\Program Files\\TARN", items, nullptr, false, false, "tarn help", "tarn.chm"};

  std::string Build(size_t capacity = COMMANDS_CAPACITY) {
    std::vector<char> out(capacity, 'x');
    built = BuildCommands(out.data(), out.size(), input);
    return out.data();
  }
  bool built = false;
};

TEST(BuildCommands, NewGroupGetsCreateGroupAndOneAddItemPerRow) {
  Commands commands;
  EXPECT_EQ(commands.Build(), "[CreateGroup(\"TARN\")]" + EXE_ITEM + HLP_ITEM);
  EXPECT_TRUE(commands.built);
}

TEST(BuildCommands, ExistingGroupIsShownAndPresentItemsReplaced) {
  Commands commands;
  commands.input.groupExists = true;
  commands.items[0].alreadyPresent = 1;
  commands.items[1].alreadyPresent = 1;
  EXPECT_EQ(commands.Build(), "[CreateGroup(\"TARN\")][ShowGroup(TARN,1)][DeleteItem(TARN)]" + EXE_ITEM +
                                  "[DeleteItem(TARN help)]" + HLP_ITEM);
}

TEST(BuildCommands, HelpItemOpensCompiledHelpOnlyWhenAsked) {
  Commands commands;
  commands.input.helpAsChm = true;
  commands.items[1].caption = "tarn HELP";
  EXPECT_EQ(commands.Build(), "[CreateGroup(\"TARN\")]" + EXE_ITEM +
                                  "[AddItem(\"C:\\Program Files\\TARN\\tarn.chm\",\"tarn HELP\")]");
  // Only the help caption switches its file.
  commands.items[1].caption = "TARN manual";
  EXPECT_NE(commands.Build().find("tarn.hlp\",\"TARN manual"), std::string::npos);
}

TEST(BuildCommands, DestinationPrefixTakesOneBackslashAndOnlyForInstalledFiles) {
  Commands commands;
  commands.input.destination = "D:\\";
  commands.items[1].fileIsInstalled = 0;
  EXPECT_EQ(commands.Build(),
            "[CreateGroup(\"TARN\")][AddItem(\"D:\\tarn.exe\",\"TARN\")][AddItem(\"tarn.hlp\",\"TARN help\")]");
  commands.input.destination = "";
  commands.items[1].fileIsInstalled = 1;
  EXPECT_EQ(commands.Build(),
            "[CreateGroup(\"TARN\")][AddItem(\"tarn.exe\",\"TARN\")][AddItem(\"tarn.hlp\",\"TARN help\")]");
}

TEST(BuildCommands, UnselectedRowsAreLeftOutAndSelectedDeletionsComeFirst) {
  Commands commands;
  GroupItemDeletion deletions[] = {
      {COMPONENT_PROGRAM, "Old TARN", 1},
      {COMPONENT_PROGRAM, "Kept", 0},
      {COMPONENT_END, nullptr, 0},
  };
  commands.input.deletions = deletions;
  commands.items[0].selected = 0;
  commands.items[0].alreadyPresent = 1;
  EXPECT_EQ(commands.Build(), "[CreateGroup(\"TARN\")][DeleteItem(Old TARN)]" + HLP_ITEM);
}

TEST(BuildCommands, StringThatDoesNotFitIsNotBuiltAtAll) {
  Commands commands;
  const std::string whole = commands.Build();
  // Exactly fitting with its terminator, then one byte short.
  EXPECT_EQ(commands.Build(whole.size() + 1), whole);
  EXPECT_TRUE(commands.built);
  EXPECT_EQ(commands.Build(whole.size()), "");
  EXPECT_FALSE(commands.built);
  // A caption that alone fills the whole block.
  const std::string huge(COMMANDS_CAPACITY, 'c');
  commands.items[0].caption = huge.c_str();
  EXPECT_EQ(commands.Build(), "");
  EXPECT_FALSE(commands.built);
}

} // namespace

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
