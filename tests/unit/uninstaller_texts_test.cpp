// The uninstaller's messages and its WININIT.INI lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "name_list.h"
#include "removal_report.h"
#include "wininit_text.h"

namespace {

const ProductWords WORDS{"Morvane 12.3", "C:\\Program Files\\TARN", "TARN", "trn", "TARN.DSK",
                        "C:\\Program Files\\TARN\\uninstal.exe"};

std::string Report(const RemovalReport& report) {
  std::vector<char> out(4096);
  EXPECT_TRUE(ComposeReport(WORDS, report, out.data(), out.size()));
  return out.data();
}

RemovalReport Whole() {
  RemovalReport report;
  report.filesRemoved = 10;
  report.group = GroupOutcome::REMOVED;
  report.association = AssociationOutcome::REMOVED;
  report.keysRemoved = true;
  report.kept.Add("TARN.DSK");
  report.restartScheduled = true;
  report.folderAtRestart = true;
  return report;
}

TEST(NameList, JoinsNamesAndCountsThoseThatNoLongerFit) {
  NameList names;
  EXPECT_TRUE(names.Empty());
  names.Add("TARN.DSK");
  names.Add("notes.txt");
  EXPECT_EQ(std::string(names.text), "TARN.DSK, notes.txt");
  const std::string longName(NameList::CAPACITY - 5, 'n');
  names.Add(longName.c_str());
  names.Add("last.txt");
  EXPECT_EQ(std::string(names.text), "TARN.DSK, notes.txt, last.txt");
  EXPECT_EQ(names.listed, 3u);
  EXPECT_EQ(names.unlisted, 1u);
}

TEST(RemovalReport, AWholeRemovalSaysWhatWentWhatStaysAndWhy) {
  EXPECT_EQ(Report(Whole()),
            "Morvane 12.3 has been removed from C:\\Program Files\\TARN.\n\n"
            "Removed: 10 program files, the program group \"TARN\", the registry entries, the file type \".trn\".\n\n"
            "Kept, because they may hold your own work: TARN.DSK.\nDelete them yourself when you no longer need them.\n\n"
            "The uninstaller itself is deleted when Windows restarts, and the folder too if you have emptied it by "
            "then.");
}

TEST(RemovalReport, HeldFilesAreNamedAndNothingIsScheduled) {
  RemovalReport report = Whole();
  report.filesRemoved = 1;
  report.held.Add("tarn.exe");
  report.kept = NameList();
  report.restartScheduled = false;
  report.group = GroupOutcome::FAILED;
  report.association = AssociationOutcome::OTHER_PROGRAM;
  report.keysRemoved = false;
  report.keysLeft.Add("HKEY_LOCAL_MACHINE\\SOFTWARE\\Veltrum\\TARN\\CurrentVersion");
  EXPECT_EQ(Report(report),
            "Morvane 12.3 has been removed in part from C:\\Program Files\\TARN.\n\n"
            "Removed: 1 program file.\n\n"
            "Not removed, because another program has them open: tarn.exe.\n"
            "Close that program and run the uninstaller again to finish; the entry in the list of programs stays "
            "until then.\n\n"
            "Not removed, because Windows refused to delete them: the registry keys "
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Veltrum\\TARN\\CurrentVersion.\n\n"
            "Left alone: the file type \".trn\", which now opens with another program.\n\n"
            "The program group \"TARN\" could not be removed. You can delete it yourself.\n\n");
}

// What the uninstaller could not arrange is said, and never the root as going at restart.
TEST(RemovalReport, TheRestartSentenceSaysWhatWasArranged) {
  RemovalReport report = Whole();
  report.folderAtRestart = false;
  std::string text = Report(report);
  EXPECT_EQ(text.substr(text.rfind("\n\n") + 2), "The uninstaller itself is deleted when Windows restarts.");
  report.restartScheduled = false;
  report.restartFailed = true;
  text = Report(report);
  EXPECT_EQ(text.substr(text.rfind("\n\n") + 2),
            "The uninstaller could not arrange to be deleted when Windows restarts: delete C:\\Program "
            "Files\\TARN\\uninstal.exe yourself.");
}

TEST(RemovalReport, AnEmptyFolderGoesWithTheUninstallerAndUnlistedNamesAreCounted) {
  RemovalReport report = Whole();
  report.kept = NameList();
  report.folderEmpty = true;
  const std::string text = Report(report);
  EXPECT_NE(text.find("The uninstaller itself and the folder are deleted when Windows restarts."), std::string::npos);
  EXPECT_EQ(text.find("Kept"), std::string::npos);
  report.kept.Add(std::string(NameList::CAPACITY - 2, 'n').c_str());
  report.kept.Add("user.txt");
  EXPECT_NE(Report(report).find(" and 1 more.\n"), std::string::npos);
}

TEST(RemovalReport, QuestionAndNothingToRemoveNameTheProductAndFolder) {
  std::vector<char> out(1024);
  ASSERT_TRUE(ComposeQuestion(WORDS, out.data(), out.size()));
  EXPECT_EQ(std::string(out.data()),
            "Do you want to remove Morvane 12.3 from C:\\Program Files\\TARN?\n\nIts program files, program group and "
            "registry entries are removed. TARN.DSK and files of your own in the folder are kept.");
  ASSERT_TRUE(ComposeNothingToRemove(WORDS, out.data(), out.size()));
  EXPECT_EQ(std::string(out.data()),
            "Morvane 12.3 is not installed in C:\\Program Files\\TARN: there is nothing to remove. Nothing was changed.");
  EXPECT_FALSE(ComposeReport(WORDS, Whole(), out.data(), 40)) << "a report cut short is not shown";
  EXPECT_EQ(std::string(out.data()), "");
}

std::string Wininit(const std::string& text, std::vector<const char*> paths, size_t capacity = 4096) {
  std::vector<char> out(capacity);
  const size_t length = AddWininitDeletions(text.data(), text.size(), paths.data(), paths.size(), out.data(), out.size());
  return std::string(out.data(), length);
}

TEST(RemovalReport, TheExitCodeSaysWhetherSomethingWasKeptAndWhetherARunAgainCanFinish) {
  EXPECT_EQ(ExitCodeOf(Whole()), UNINSTALL_COMPLETE) << "the user's own files do not count";
  RemovalReport users = Whole();
  users.group = GroupOutcome::USERS_ITEMS;
  EXPECT_EQ(ExitCodeOf(users), UNINSTALL_COMPLETE) << "a group kept for the user's own shortcuts";

  const auto kept = [](void (*change)(RemovalReport&)) {
    RemovalReport report = Whole();
    change(report);
    return ExitCodeOf(report);
  };
  EXPECT_EQ(kept([](RemovalReport& r) { r.changed.Add("rtwin32.dll"); }), UNINSTALL_KEPT);
  EXPECT_EQ(kept([](RemovalReport& r) { r.entryElsewhere = true; }), UNINSTALL_KEPT);
  EXPECT_EQ(kept([](RemovalReport& r) { r.productElsewhere = true; }), UNINSTALL_KEPT);
  EXPECT_EQ(kept([](RemovalReport& r) { r.association = AssociationOutcome::OTHER_PROGRAM; }), UNINSTALL_KEPT);
  EXPECT_EQ(kept([](RemovalReport& r) { r.association = AssociationOutcome::ANOTHER_FOLDER; }), UNINSTALL_KEPT);
  EXPECT_EQ(kept([](RemovalReport& r) { r.group = GroupOutcome::ANOTHER_FOLDER; }), UNINSTALL_KEPT);

  EXPECT_EQ(kept([](RemovalReport& r) { r.held.Add("tarn.exe"); }), UNINSTALL_UNFINISHED);
  EXPECT_EQ(kept([](RemovalReport& r) { r.refused.Add("tarn.exe"); }), UNINSTALL_UNFINISHED);
  EXPECT_EQ(kept([](RemovalReport& r) { r.keysLeft.Add("trnfile"); }), UNINSTALL_UNFINISHED);
  EXPECT_EQ(kept([](RemovalReport& r) { r.group = GroupOutcome::FAILED; }), UNINSTALL_UNFINISHED);
  EXPECT_EQ(kept([](RemovalReport& r) { r.restartFailed = true; }), UNINSTALL_UNFINISHED);
  EXPECT_EQ(kept([](RemovalReport& r) {
              r.changed.Add("rtwin32.dll");
              r.held.Add("tarn.exe");
            }),
            UNINSTALL_UNFINISHED)
      << "what a second run can finish comes first";
}

TEST(WininitDeletions, GoAtTheHeadOfTheRenameSectionWhichIsMadeWhenMissing) {
  const std::vector<const char*> ours = {"C:\\PROGRA~1\\TARN\\UNINSTAL.EXE", "C:\\PROGRA~1\\TARN"};
  const std::string lines = "NUL=C:\\PROGRA~1\\TARN\\UNINSTAL.EXE\r\nNUL=C:\\PROGRA~1\\TARN\r\n";
  EXPECT_EQ(Wininit("", ours), "[rename]\r\n" + lines);
  EXPECT_EQ(Wininit("[other]\r\na=b", ours), "[other]\r\na=b\r\n[rename]\r\n" + lines);
  EXPECT_EQ(Wininit("[other]\r\na=b\r\n[Rename]\r\nC:\\NEW.DLL=C:\\OLD.DLL\r\n[last]\r\n", ours),
            "[other]\r\na=b\r\n[Rename]\r\n" + lines + "C:\\NEW.DLL=C:\\OLD.DLL\r\n[last]\r\n");
  EXPECT_EQ(Wininit("x=1\n[RENAME]", ours), "x=1\n[RENAME]\r\n" + lines);
}

TEST(WininitDeletions, AResultThatDoesNotFitGivesNothing) {
  const std::vector<const char*> ours = {"C:\\TARN"};
  const std::string whole = "[rename]\r\nNUL=C:\\TARN\r\n";
  EXPECT_EQ(Wininit("", ours, whole.size()), whole);
  EXPECT_EQ(Wininit("", ours, whole.size() - 1), "");
}

} // namespace
