// The destination page: sizes against free space, the drive rule while typing, the default
// destination, and what Next makes of the typed directory. Drives: E: 2 MiB, F: 1 MiB,
// G: 4 GiB, all empty tmpfs with 512-byte sectors; no drive A: or Q:.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "destination_steps.h"
#include "installer_session.h"
#include "resource_ids.h"
#include "whole_file.h"
#include "wizard_steps.h"

namespace {

class Destination : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(setup.Started());
    ASSERT_TRUE(WalkTo(setup, DESTINATION_TITLE));
  }

  // Types the text and waits for the available size that it should show.
  void ExpectAvailable(const std::string& typed, const std::string& available) {
    ASSERT_TRUE(TypeDestination(setup, typed)) << typed;
    EXPECT_TRUE(WaitForPageText(setup, IDC_AVAILABLE_SIZE, available))
        << typed << " shows " << setup.PageText(IDC_AVAILABLE_SIZE);
  }

  // Next on the page, then the page that it leads to.
  bool NextArrivesAt(const std::string& title) { return ClickAndArriveAt(setup, IDC_NEXT, title); }

  InstallerSession setup;
};

} // namespace

TEST_F(Destination, OpensWithTheRequiredSizeAndTheDefaultsDrive) {
  EXPECT_EQ(setup.PageText(IDC_REQUIRED_SIZE), REQUIRED_SIZE_TEXT);
  EXPECT_EQ(setup.PageText(IDC_DESTINATION_EDIT), "C:\\Program Files\\TARN");
  EXPECT_EQ(DestinationExplanation(setup), FIRST_DESTINATION_TEXT);
  const std::string available = setup.PageText(IDC_AVAILABLE_SIZE);
  EXPECT_TRUE(available == "> 2 GB" || available.find(" MB") != std::string::npos) << available;
  EXPECT_EQ(setup.FocusedControl(), IDC_DESTINATION_EDIT);
}

TEST_F(Destination, NextIsEnabledExactlyWhenTheDriveHasMoreThanRequired) {
  ExpectAvailable("E:\\TARN", "2.0 MB");
  EXPECT_TRUE(setup.ButtonEnabled(IDC_NEXT));
  EXPECT_EQ(setup.DefaultButton(), IDC_NEXT);
  ExpectAvailable("F:\\TARN", "1.0 MB");
  EXPECT_FALSE(setup.ButtonEnabled(IDC_NEXT));
  EXPECT_EQ(setup.DefaultButton(), IDC_BACK);
  EXPECT_TRUE(setup.ButtonEnabled(IDC_BACK));
  EXPECT_TRUE(setup.ButtonEnabled(IDC_EXIT));
  ExpectAvailable("G:\\TARN", "> 2 GB");
  EXPECT_TRUE(setup.ButtonEnabled(IDC_NEXT));
  EXPECT_EQ(setup.PageText(IDC_REQUIRED_SIZE), REQUIRED_SIZE_TEXT);
  setup.Screenshot();
}

TEST_F(Destination, PathsThatNameNoDriveShowNotAvailable) {
  for (const char* typed : {"TARN", "\\\\server\\share\\TARN", "Q:\\TARN"}) {
    ExpectAvailable("E:\\TARN", "2.0 MB");
    ExpectAvailable(typed, "n/a");
    EXPECT_FALSE(setup.ButtonEnabled(IDC_NEXT)) << typed;
  }
}

// Only the drive letter is retyped, so the text never passes through a drive-less state.
TEST_F(Destination, TypingForDriveAKeepsThePreviousSizes) {
  ExpectAvailable("F:\\setup", "1.0 MB");
  ASSERT_TRUE(ReplaceDriveLetter(setup, 'a'));
  EXPECT_EQ(setup.PageText(IDC_AVAILABLE_SIZE), "1.0 MB");
  ASSERT_TRUE(ReplaceDriveLetter(setup, 'A'));
  ASSERT_TRUE(EditDestinationEnd(setup, 5, "x"));
  EXPECT_EQ(setup.PageText(IDC_AVAILABLE_SIZE), "1.0 MB");
  EXPECT_FALSE(setup.ButtonEnabled(IDC_NEXT));
  // F: is still the drive queried last: nothing to query on the way back.
  ASSERT_TRUE(WriteWholeFile("F:\\filler", std::string(512 << 10, 'f')));
  ASSERT_TRUE(ReplaceDriveLetter(setup, 'F'));
  EXPECT_EQ(setup.PageText(IDC_AVAILABLE_SIZE), "1.0 MB");
}

TEST_F(Destination, APageOpenedForDriveAQueriesIt) {
  ExpectAvailable("E:\\x", "2.0 MB");
  ASSERT_TRUE(ReplaceDriveLetter(setup, 'A'));
  ASSERT_TRUE(setup.ButtonEnabled(IDC_NEXT));
  ASSERT_TRUE(NextRebuildsThePage(setup));
  ASSERT_TRUE(WaitForPageText(setup, IDC_DESTINATION_EDIT, "A:\\x"));
  EXPECT_EQ(DestinationExplanation(setup), RETRY_DESTINATION_TEXT);
  EXPECT_EQ(setup.PageText(IDC_AVAILABLE_SIZE), "n/a");
  EXPECT_FALSE(setup.ButtonEnabled(IDC_NEXT));
}

// The drive is queried again only when its letter changes, byte for byte.
TEST_F(Destination, LetterCaseCountsAsAnotherDrive) {
  ExpectAvailable("E:\\a", "2.0 MB");
  ASSERT_TRUE(WriteWholeFile("E:\\filler", std::string(1 << 20, 'f')));
  ASSERT_TRUE(EditDestinationEnd(setup, 1, "b"));
  EXPECT_EQ(setup.PageText(IDC_AVAILABLE_SIZE), "2.0 MB");
  ASSERT_TRUE(ReplaceDriveLetter(setup, 'e'));
  EXPECT_TRUE(WaitForPageText(setup, IDC_AVAILABLE_SIZE, "1.0 MB"));
  EXPECT_FALSE(setup.ButtonEnabled(IDC_NEXT));
}

TEST_F(Destination, NextCreatesTheTreeLevelByLevel) {
  CreateDirectoryA("E:\\x", nullptr);
  ExpectAvailable("E:\\x\\y\\z", "2.0 MB");
  ASSERT_TRUE(NextArrivesAt(SUMMARY_TITLE));
  EXPECT_TRUE(DirectoryExists("E:\\x\\y"));
  EXPECT_TRUE(DirectoryExists("E:\\x\\y\\z"));
}

TEST_F(Destination, AFileInThePathBringsThePageBackFromTheSecondTemplate) {
  ASSERT_TRUE(WriteWholeFile("E:\\blocker", ""));
  ExpectAvailable("E:\\blocker\\TARN", "2.0 MB");
  ASSERT_TRUE(NextRebuildsThePage(setup));
  ASSERT_TRUE(WaitForPageText(setup, IDC_DESTINATION_EDIT, "E:\\blocker\\TARN"));
  EXPECT_EQ(DestinationExplanation(setup), RETRY_DESTINATION_TEXT);
  EXPECT_EQ(setup.PageText(IDC_AVAILABLE_SIZE), "2.0 MB");
  EXPECT_TRUE(setup.ButtonEnabled(IDC_NEXT));
  // Leaving the page again starts from the first template.
  ExpectAvailable("E:\\fine", "2.0 MB");
  ASSERT_TRUE(NextArrivesAt(SUMMARY_TITLE));
  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_BACK, DESTINATION_TITLE));
  EXPECT_EQ(DestinationExplanation(setup), FIRST_DESTINATION_TEXT);
}

TEST_F(Destination, AQuotedPathQueriesItsDriveButCannotBeMade) {
  ExpectAvailable("F:\\TARN", "1.0 MB");
  ExpectAvailable("\"E:\\Apps", "2.0 MB");
  EXPECT_TRUE(setup.ButtonEnabled(IDC_NEXT));
  ASSERT_TRUE(NextRebuildsThePage(setup));
  ASSERT_TRUE(WaitForPageText(setup, IDC_DESTINATION_EDIT, "\"E:\\Apps"));
  EXPECT_EQ(DestinationExplanation(setup), RETRY_DESTINATION_TEXT);
  EXPECT_FALSE(DirectoryExists("E:\\Apps"));
}

// A directory must leave room for the backslash that every path inside it adds.
TEST_F(Destination, LongPathsAreMadeUpTo258Characters) {
  const std::string longest = PathOfLength("E:", 258);
  ExpectAvailable(longest, "2.0 MB");
  ASSERT_TRUE(NextArrivesAt(SUMMARY_TITLE));
  EXPECT_TRUE(DirectoryExists(longest.c_str()));
}

TEST_F(Destination, LongPathsOf259And260CharactersAreRefused) {
  const std::string tooLong = PathOfLength("E:\\refused", 259);
  ExpectAvailable(tooLong, "2.0 MB");
  ASSERT_TRUE(NextRebuildsThePage(setup));
  EXPECT_EQ(DestinationExplanation(setup), RETRY_DESTINATION_TEXT);
  EXPECT_EQ(setup.PageText(IDC_DESTINATION_EDIT), tooLong);
  // The field takes 260 characters; the first 259 are kept, and they are refused again.
  ExpectAvailable(tooLong + "0", "2.0 MB");
  ASSERT_TRUE(NextRebuildsThePage(setup));
  EXPECT_EQ(setup.PageText(IDC_DESTINATION_EDIT), tooLong);
  EXPECT_FALSE(DirectoryExists("E:\\refused"));
}

// The default destination comes from the registry before the frame opens, so each case is a
// run of its own.
TEST(DestinationDefault, FollowsProgramFilesDir) {
  struct Case {
    const char* value; // nullptr: no value
    const char* destination;
    const char* available;
  };
  const Case cases[] = {
      {"E:\\Apps", "E:\\Apps\\TARN", "2.0 MB"},
      {"F:\\Apps\\", "F:\\Apps\\TARN", "1.0 MB"},
      {nullptr, "C:\\Program Files\\TARN", nullptr},
  };
  for (const Case& c : cases) {
    HKEY key;
    ASSERT_EQ(RegOpenKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", &key), ERROR_SUCCESS);
    if (c.value != nullptr)
      RegSetValueExA(key, "ProgramFilesDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(c.value), lstrlenA(c.value) + 1);
    else
      RegDeleteValueA(key, "ProgramFilesDir");
    RegCloseKey(key);
    InstallerSession setup;
    ASSERT_TRUE(setup.Started());
    ASSERT_TRUE(WalkTo(setup, DESTINATION_TITLE));
    EXPECT_EQ(setup.PageText(IDC_DESTINATION_EDIT), c.destination);
    if (c.available != nullptr) {
      EXPECT_EQ(setup.PageText(IDC_AVAILABLE_SIZE), c.available);
    }
    setup.Click(IDC_EXIT);
    ASSERT_TRUE(setup.WaitForExit());
  }
}
