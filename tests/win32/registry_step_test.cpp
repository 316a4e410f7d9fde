// The registration step and the product registration on test catalogues: the rows, the stop
// question between them, the extra uninstall entries, and the product's own entry.
#include "registration/registry_step.h"

#include <gtest/gtest.h>

#include "copy_hooks.h"
#include "file_times.h"
#include "core/install_state.h"
#include "core/page_walk.h"
#include "finish/run_end.h"
#include "registration_fixture.h"
#include "wizard/product.h"

namespace {

const std::string ROWS = std::string(TEST_ROOT_KEY) + "\\Rows";
const std::string VOLATILE = std::string(TEST_ROOT_KEY) + "\\Volatile";

RegistryEntry Row(const char* subkey, const char* value, int32_t valueIsInstalledFile, int32_t selected = ROW_SELECTED) {
  return RegistryEntry{COMPONENT_PROGRAM, HKLM_VALUE, subkey, value, valueIsInstalledFile, selected};
}

FileEntry File(int32_t componentKey, int32_t size, int32_t selected = ROW_SELECTED) {
  FileEntry row{};
  row.componentKey = componentKey;
  row.name = "file";
  row.size = size;
  row.selected = selected;
  return row;
}

class RegistryStep : public RegistrationFixture {
protected:
  int Run() {
    installState.catalogue.registryEntries = rows;
    installState.catalogue.uninstallEntries = uninstallRows;
    return RunRegistryStep(state);
  }

  RegistryEntry rows[4] = {Row("SOFTWARE\\TarnTests\\Rows\\First", "first.exe", 1),
                           Row("SOFTWARE\\TarnTests\\Rows\\Second", "plain text", 0),
                           Row("SOFTWARE\\TarnTests\\Rows\\Third", nullptr, 0), RegistryEntry{}};
  UninstallEntry uninstallRows[1]{};
};

TEST_F(RegistryStep, WritesEachRowBelowTheDestinationOrAsItIs) {
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(installState.failure.code, 0);
  EXPECT_EQ(Machine(ROWS + "\\First"), "C:\\reg-tests\\dest\\first.exe");
  EXPECT_EQ(Machine(ROWS + "\\Second"), "plain text");
  // A row without a value only creates its key.
  EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, ROWS + "\\Third"));
  EXPECT_EQ(Machine(ROWS + "\\Third"), "(missing)");
}

TEST_F(RegistryStep, AKeyThatCannotBeCreatedEndsTheStepWithARegistryEntryError) {
  ASSERT_TRUE(MakeVolatileKey(VOLATILE));
  rows[1] = Row("SOFTWARE\\TarnTests\\Volatile\\Lasting", "text", 0);
  FileTypeEntry types[2] = {{COMPONENT_PROGRAM, "tsa", "Test A", "a.exe", 1, "a.exe", ROW_SELECTED}, FileTypeEntry{}};
  installState.catalogue.fileTypes = types;
  uninstallRows[0] = UninstallEntry{COMPONENT_PROGRAM, "TarnTests Extra", "Extra", "x.exe", ROW_SELECTED};
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(installState.failure.code, FAILURE_CANNOT_CREATE_REGISTRY_ENTRY);
  EXPECT_EQ(Machine(ROWS + "\\First"), "C:\\reg-tests\\dest\\first.exe");
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, ROWS + "\\Third"));
  EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, ".tsa"));
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, std::string(UNINSTALL_KEY) + "TarnTests Extra"));
}

// Undone, every key that the step and the product's registration touched is as before: a
// row's key that held a value and a subkey of its own, a file type that another identifier
// named, an uninstall entry and levels that they made. A level made by the step that another
// program has written into since stays, with what that program wrote.
TEST_F(RegistryStep, UndoneEveryKeyIsAsBefore) {
  const std::string made = std::string(TEST_ROOT_KEY) + "\\Made";
  ASSERT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, ROWS + "\\First", nullptr, "earlier"));
  ASSERT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, ROWS + "\\First\\Below", "kept", "as it was"));
  ASSERT_TRUE(SetRegistryText(HKEY_CLASSES_ROOT, ".tsc", nullptr, "othertsc"));
  rows[2] = Row("SOFTWARE\\TarnTests\\Made\\Deeper\\Third", nullptr, 0);
  FileTypeEntry types[2] = {{COMPONENT_PROGRAM, "tsc", "Test C", "c.exe", 3, "c.exe", ROW_SELECTED}, FileTypeEntry{}};
  installState.catalogue.fileTypes = types;
  const auto registry = [] {
    return RegistryTree(HKEY_LOCAL_MACHINE, TEST_ROOT_KEY) + RegistryTree(HKEY_CLASSES_ROOT, ".tsc") +
           RegistryTree(HKEY_CLASSES_ROOT, "tscfile") +
           RegistryTree(HKEY_LOCAL_MACHINE, std::string(UNINSTALL_KEY) + TEST_PRODUCT_NAME);
  };
  const std::string before = registry();
  ASSERT_EQ(Run(), 1);
  RegisterProduct();
  ASSERT_EQ(Machine(ROWS + "\\First"), "C:\\reg-tests\\dest\\first.exe");
  ASSERT_EQ(RegistryText(HKEY_CLASSES_ROOT, ".tsc"), "tscfile");
  ASSERT_EQ(Machine(std::string(UNINSTALL_KEY) + TEST_PRODUCT_NAME, "DisplayName"), "Morvane 12.3");
  ASSERT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, made + "\\Other", nullptr, "another program's"));

  EXPECT_TRUE(EndRecordedRun(TEST_RUN_RECORD_KEY, UNDO_RUN));
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, made + "\\Deeper"));
  EXPECT_EQ(Machine(made + "\\Other"), "another program's");
  EXPECT_TRUE(RemoveRegistryTree(HKEY_LOCAL_MACHINE, made));
  EXPECT_EQ(registry(), before);
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, TEST_RUN_RECORD_KEY));
  RemoveRegistryTree(HKEY_CLASSES_ROOT, ".tsc");
}

// Without a registry table there is nothing to write; the step goes on to the file types.
TEST_F(RegistryStep, ACatalogueWithoutRegistryRowsSucceeds) {
  FileTypeEntry types[2] = {{COMPONENT_PROGRAM, "tsb", "Test B", "b.exe", 2, "b.exe", ROW_SELECTED}, FileTypeEntry{}};
  installState.catalogue.fileTypes = types;
  EXPECT_EQ(RunRegistryStep(state), 1);
  EXPECT_EQ(installState.failure.code, 0);
  EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, ".tsb"), "tsbfile");
  RemoveRegistryTree(HKEY_CLASSES_ROOT, ".tsb");
  RemoveRegistryTree(HKEY_CLASSES_ROOT, "tsbfile");
}

TEST_F(RegistryStep, AStopAnsweredYesAfterARowEndsTheStepAsAborted) {
  MessageBoxAnswerer answerer(IDYES);
  installState.stopRequested = 1;
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(installState.failure.code, FAILURE_ABORTED);
  ASSERT_EQ(answerer.Questions().size(), 1u);
  EXPECT_EQ(answerer.Questions()[0].caption, "Install");
  EXPECT_EQ(answerer.Questions()[0].text, "Do you want to stop the installation?");
  EXPECT_EQ(Machine(ROWS + "\\First"), "C:\\reg-tests\\dest\\first.exe");
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, ROWS + "\\Second"));
}

TEST_F(RegistryStep, AStopAnsweredNoIsConsumedAndTheStepGoesOn) {
  MessageBoxAnswerer answerer(IDNO);
  installState.stopRequested = 1;
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(answerer.Questions().size(), 1u);
  EXPECT_EQ(installState.stopRequested, 0);
  EXPECT_EQ(Machine(ROWS + "\\Second"), "plain text");
}

// An unselected row is neither written nor followed by the stop question.
TEST_F(RegistryStep, AnUnselectedRowIsSkippedWithoutAStopCheck) {
  MessageBoxAnswerer answerer(IDYES);
  rows[1] = RegistryEntry{};
  rows[0].selected = ROW_NOT_SELECTED;
  installState.stopRequested = 1;
  EXPECT_EQ(Run(), 1);
  EXPECT_TRUE(answerer.Questions().empty());
  EXPECT_EQ(installState.stopRequested, 1);
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, ROWS + "\\First"));
}

TEST_F(RegistryStep, ExtraUninstallRowsAreWrittenWhenSelectedAndFailuresPassed) {
  ASSERT_TRUE(MakeVolatileKey(std::string(UNINSTALL_KEY) + "TarnTests Volatile"));
  UninstallEntry extra[4] = {
      {COMPONENT_PROGRAM, "TarnTests Volatile\\Lasting", "Refused", "r.exe", ROW_SELECTED},
      {COMPONENT_DATABASE, "TarnTests Extra", "Extra Tool", "extra\\remove.exe", ROW_SELECTED},
      {COMPONENT_PROGRAM, "TarnTests Unselected", "Unselected", "u.exe", ROW_NOT_SELECTED},
      UninstallEntry{}};
  installState.catalogue.uninstallEntries = extra;
  EXPECT_EQ(RegisterUninstallRows("C:\\reg-tests\\dest\\"), 1);
  const std::string key = std::string(UNINSTALL_KEY) + "TarnTests Extra";
  EXPECT_EQ(Machine(key, "DisplayName"), "Extra Tool");
  EXPECT_EQ(Machine(key, "UninstallString"), "\"C:\\reg-tests\\dest\\extra\\remove.exe\"");
  EXPECT_EQ(Machine(key, "QuietUninstallString"), "(missing)") << "what the extra program takes is not known";
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, std::string(UNINSTALL_KEY) + "TarnTests Unselected"));
  RemoveRegistryTree(HKEY_LOCAL_MACHINE, key);
  RemoveRegistryTree(HKEY_LOCAL_MACHINE, std::string(UNINSTALL_KEY) + "TarnTests Volatile");
}

// A drive's root: one backslash before the rows' values and the icon, two before the uninstaller.
TEST_F(RegistryStep, ADriveRootDoublesTheBackslashOnlyInTheUninstallCommands) {
  SetDestination("C:\\");
  EXPECT_EQ(Run(), 1);
  RegisterProduct();
  EXPECT_EQ(Machine(ROWS + "\\First"), "C:\\first.exe");
  const std::string entry = std::string(UNINSTALL_KEY) + TEST_PRODUCT_NAME;
  EXPECT_EQ(Machine(entry, "UninstallString"), "\"C:\\\\uninstal.exe\"");
  EXPECT_EQ(Machine(entry, "QuietUninstallString"), "\"C:\\\\uninstal.exe\" /S");
  EXPECT_EQ(Machine(entry, "DisplayIcon"), "C:\\prog.exe,0");
  EXPECT_EQ(Machine(entry, "InstallLocation"), "C:\\");
}

// The longest destination leaves no room for the file: its value is left out, never joined
// without the backslash; the rest is written.
TEST_F(RegistryStep, AValueThatDoesNotFitIsLeftOut) {
  SetDestination("C:\\" + std::string(256, 'd'));
  EXPECT_EQ(Run(), 1);
  EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, ROWS + "\\First"));
  EXPECT_EQ(Machine(ROWS + "\\First"), "(missing)");
  EXPECT_EQ(Machine(ROWS + "\\Second"), "plain text");
}

// Every value that deployment tools read. The estimated size counts the selected files, each
// rounded up to whole kilobytes.
TEST_F(RegistryStep, TheProductRegistrationWritesTheUninstallEntryAndTheProductNumber) {
  FileEntry files[6] = {File(COMPONENT_PROGRAM, 0),     File(COMPONENT_PROGRAM, 1),
                        File(COMPONENT_PROGRAM, 1024),  File(COMPONENT_DATABASE, 1025),
                        File(COMPONENT_PROGRAM, 5000, ROW_NOT_SELECTED), FileEntry{}};
  installState.catalogue.files = files;
  installState.catalogue.version = 0x0207;
  RegisterProduct();
  const std::string key = std::string(UNINSTALL_KEY) + TEST_PRODUCT_NAME;
  EXPECT_EQ(Machine(key, "DisplayName"), "Morvane 12.3");
  EXPECT_EQ(Machine(key, "UninstallString"), "\"C:\\reg-tests\\dest\\uninstal.exe\"");
  EXPECT_EQ(Machine(key, "QuietUninstallString"), "\"C:\\reg-tests\\dest\\uninstal.exe\" /S");
  EXPECT_EQ(Machine(key, "DisplayVersion"), "2.7");
  EXPECT_EQ(Machine(key, "Publisher"), "TarnTests") << "the maker's key's name";
  EXPECT_EQ(Machine(key, "InstallLocation"), "C:\\reg-tests\\dest");
  EXPECT_EQ(Machine(key, "DisplayIcon"), "C:\\reg-tests\\dest\\prog.exe,0");
  EXPECT_TRUE(IsRecentLocalDate(Machine(key, "InstallDate"))) << Machine(key, "InstallDate");
  EXPECT_EQ(RegistryNumber(HKEY_LOCAL_MACHINE, key, "EstimatedSize"), 0 + 1 + 1 + 2);
  EXPECT_EQ(RegistryNumber(HKEY_LOCAL_MACHINE, key, "NoModify"), 1);
  EXPECT_EQ(RegistryNumber(HKEY_LOCAL_MACHINE, key, "NoRepair"), 1);
  EXPECT_EQ(Machine(TEST_PRODUCT_KEY), TEST_PRODUCT_NUMBER);
}

TEST_F(RegistryStep, TheProductNumberIsWrittenWhenTheUninstallKeyCannotBeCreated) {
  ASSERT_TRUE(MakeVolatileKey(std::string(UNINSTALL_KEY) + "TarnTests Volatile"));
  installState.catalogue.productName = "TarnTests Volatile\\Lasting";
  RegisterProduct();
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, std::string(UNINSTALL_KEY) + "TarnTests Volatile\\Lasting"));
  EXPECT_EQ(Machine(TEST_PRODUCT_KEY), TEST_PRODUCT_NUMBER);
  RemoveRegistryTree(HKEY_LOCAL_MACHINE, std::string(UNINSTALL_KEY) + "TarnTests Volatile");
}

} // namespace
