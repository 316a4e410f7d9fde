#include "core/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int SETUP_SWITCHES = SWITCH_UNATTENDED | SWITCH_LOG | SWITCH_TAKE_OVER | SWITCH_DESTINATION;

struct Reading {
  bool understood;
  CommandLine options;
  std::string notUnderstood; // the options point into the line, which is gone
};

Reading Read(const std::string& line, int accepted = SETUP_SWITCHES) {
  Reading reading{};
  reading.understood = ReadCommandLine(line.c_str(), accepted, reading.options);
  if (reading.options.notUnderstood != nullptr) reading.notUnderstood = reading.options.notUnderstood;
  reading.options.notUnderstood = nullptr;
  return reading;
}

TEST(CommandLine, TheProgramsOwnNameIsPassedOverQuotedOrNot) {
  for (const char* line : {"setup.exe", "\"C:\\Program Files\\setup.exe\"", "setup.exe   ", "\"C:\\a b\\setup.exe\"  "}) {
    const Reading reading = Read(line);
    EXPECT_TRUE(reading.understood) << line;
    EXPECT_FALSE(reading.options.Has(SWITCH_UNATTENDED)) << line;
  }
  // As the platform splits a line into arguments: a name ends at a space outside quotes.
  EXPECT_FALSE(Read("\"C:\\a b\\setup.exe\"/S").options.Has(SWITCH_UNATTENDED));
}

TEST(CommandLine, UnattendedInEitherFormAndAnyCase) {
  for (const char* line : {"setup.exe /S", "setup.exe -S", "setup.exe /s", "setup.exe\t-s\t"}) {
    const Reading reading = Read(line);
    EXPECT_TRUE(reading.understood) << line;
    EXPECT_TRUE(reading.options.Has(SWITCH_UNATTENDED)) << line;
  }
  for (const char* line : {"setup.exe /SILENT", "setup.exe S", "setup.exe /", "setup.exe //S"}) {
    const Reading reading = Read(line);
    EXPECT_FALSE(reading.understood) << line;
    EXPECT_FALSE(reading.options.Has(SWITCH_UNATTENDED)) << line;
  }
}

TEST(CommandLine, TheDestinationIsTheRestOfTheLineWithItsSpaces) {
  Reading reading = Read("setup.exe /S /TakeOver /D=C:\\Program Files\\My  Apps\\TARN  ");
  EXPECT_TRUE(reading.understood);
  EXPECT_TRUE(reading.options.Has(SWITCH_UNATTENDED));
  EXPECT_TRUE(reading.options.Has(SWITCH_TAKE_OVER));
  EXPECT_STREQ(reading.options.destination, "C:\\Program Files\\My  Apps\\TARN");
  // What looks like a switch after /D= is part of the path, as deployment tools expect.
  reading = Read("setup.exe /D=E:\\TARN /S");
  EXPECT_STREQ(reading.options.destination, "E:\\TARN /S");
  EXPECT_FALSE(reading.options.Has(SWITCH_UNATTENDED));
}

TEST(CommandLine, TheLogPathEndsAtASpaceUnlessQuoted) {
  Reading reading = Read("setup.exe /LOG=C:\\tarn.log /S");
  EXPECT_TRUE(reading.understood);
  EXPECT_STREQ(reading.options.logPath, "C:\\tarn.log");
  EXPECT_TRUE(reading.options.Has(SWITCH_UNATTENDED));
  reading = Read("setup.exe -log=\"C:\\Deploy Logs\\tarn.log\" -s");
  EXPECT_TRUE(reading.understood);
  EXPECT_STREQ(reading.options.logPath, "C:\\Deploy Logs\\tarn.log");
  EXPECT_TRUE(reading.options.Has(SWITCH_UNATTENDED));
  for (const char* line : {"setup.exe /LOG=", "setup.exe /LOG=\"\"", "setup.exe /LOG=\"C:\\a b", "setup.exe /LOG=\"a\"b"})
    EXPECT_FALSE(Read(line).understood) << line;
}

// As launchers write a list of arguments: each one that holds a space in quotes, whole, with
// the backslashes before the closing quote doubled.
TEST(CommandLine, ASwitchQuotedWholeMeansWhatItMeansUnquoted) {
  Reading reading = Read("setup.exe \"/S\" \"/LOG=C:\\a b\\setup.log\" \"/D=C:\\Program Files\\X\"");
  EXPECT_TRUE(reading.understood);
  EXPECT_TRUE(reading.options.Has(SWITCH_UNATTENDED));
  EXPECT_STREQ(reading.options.logPath, "C:\\a b\\setup.log");
  EXPECT_STREQ(reading.options.destination, "C:\\Program Files\\X");
  // Its quote ends the destination, so a switch may follow it.
  reading = Read("setup.exe \"/D=C:\\Apps\\Tarn Browser 12\\\\\" -s");
  EXPECT_TRUE(reading.understood);
  EXPECT_STREQ(reading.options.destination, "C:\\Apps\\Tarn Browser 12\\");
  EXPECT_TRUE(reading.options.Has(SWITCH_UNATTENDED));

  const std::string longest(PATH_CAPACITY - 1, 'a');
  EXPECT_TRUE(Read("setup.exe \"/D=" + longest + "\"").understood);
  EXPECT_FALSE(Read("setup.exe \"/D=" + longest + "a\"").understood);
  // One switch a quoted word, closed, and nothing after its quote.
  for (const char* line : {"setup.exe \"/S", "setup.exe \"/S\"x", "setup.exe \"/S /TAKEOVER\"", "setup.exe \"/D=\"",
                           "setup.exe \"/D=  \"", "setup.exe \"S\"", "setup.exe \"\"", "setup.exe \"/LOG=\"C:\\a\"\""})
    EXPECT_FALSE(Read(line).understood) << line;
  reading = Read("setup.exe \"/X=a b\" /S");
  EXPECT_EQ(reading.notUnderstood, "\"/X=a b\" /S");
  EXPECT_TRUE(reading.options.Has(SWITCH_UNATTENDED));
}

TEST(CommandLine, TheFirstWordNotUnderstoodIsNotedAndASwitchAfterItStillCounts) {
  const Reading reading = Read("setup.exe /X=1 other /S");
  EXPECT_FALSE(reading.understood);
  EXPECT_EQ(reading.notUnderstood, "/X=1 other /S") << "the line from that word on";
  EXPECT_TRUE(reading.options.Has(SWITCH_UNATTENDED)) << "no window may open when /S is anywhere";
}

TEST(CommandLine, PathsTooLongForTheirBuffersAreNotUnderstood) {
  const std::string longest(PATH_CAPACITY - 1, 'a');
  EXPECT_TRUE(Read("setup.exe /D=" + longest).understood);
  EXPECT_TRUE(Read("setup.exe /LOG=" + longest).understood);
  Reading reading = Read("setup.exe /D=" + longest + "a");
  EXPECT_FALSE(reading.understood);
  EXPECT_STREQ(reading.options.destination, "");
  EXPECT_EQ(reading.notUnderstood, "/D=" + longest + "a");
  EXPECT_FALSE(Read("setup.exe /LOG=" + longest + "a").understood);
  EXPECT_FALSE(Read("setup.exe /D=   ").understood) << "an empty destination";
}

TEST(CommandLine, ASwitchThatTheProgramDoesNotTakeIsNotUnderstood) {
  const Reading reading = Read("uninstal.exe /S /TAKEOVER", SWITCH_UNATTENDED | SWITCH_LOG);
  EXPECT_FALSE(reading.understood);
  EXPECT_EQ(reading.notUnderstood, "/TAKEOVER");
  EXPECT_TRUE(reading.options.Has(SWITCH_UNATTENDED));
  EXPECT_FALSE(reading.options.Has(SWITCH_TAKE_OVER));
  EXPECT_TRUE(Read("uninstal.exe -s /log=C:\\u.log", SWITCH_UNATTENDED | SWITCH_LOG).understood);
  EXPECT_FALSE(Read("uninstal.exe /D=C:\\TARN", SWITCH_UNATTENDED | SWITCH_LOG).understood);
}

} // namespace
