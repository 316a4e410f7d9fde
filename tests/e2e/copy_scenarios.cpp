// The copy page with the real payload: the eleven files land byte for byte with the
// catalogue's stamp, Abort and the close box ask before stopping, and each failure shows its
// message. Clicks that must reach the copy are given while the program is held still, so they
// wait for it in its queue and nothing races.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "copy_steps.h"
#include "destination_steps.h"
#include "file_lock.h"
#include "finish_steps.h"
#include "installer_session.h"
#include "message_box.h"
#include "message_hold.h"
#include "progman_host.h"
#include "unattended_run.h"
#include "uninstall_steps.h"
#include "resource_ids.h"
#include "screenshot_album.h"
#include "wait.h"
#include "whole_file.h"
#include "wizard/product.h"
#include "wizard_steps.h"

namespace {

constexpr char MEDIA_FOLDER[] = "C:\\media";

std::vector<std::string> ProductFileNames() {
  std::vector<std::string> names;
  for (const FileEntry* row = productFiles; row->componentKey != COMPONENT_END; ++row) names.push_back(row->name);
  std::sort(names.begin(), names.end());
  return names;
}


void ExpectInstalledAsForged(const std::string& name) {
  SCOPED_TRACE(name);
  const FileEntry* row = ProductRow(name);
  ASSERT_NE(row, nullptr);
  const std::string standIn = StandIn(*row);
  ASSERT_EQ(standIn.size(), static_cast<size_t>(row->size));
  EXPECT_TRUE(ReadWholeFile(Installed(name)) == standIn);
}

void ExpectEveryFileInstalled() {
  ASSERT_EQ(FilesIn(INSTALL_FOLDER), ProductFileNames());
  for (const std::string& name : ProductFileNames()) ExpectInstalledAsForged(name);
}

bool OnErrorPageSaying(InstallerSession& setup, const std::string& message) {
  return setup.WaitForPageTitle(ERROR_TITLE) && setup.Screenshot() &&
         setup.PageText(IDC_ERROR_MESSAGE) == message && setup.ButtonCaption(IDC_EXIT) == "Close";
}

class Copy : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(setup.Started());
    ASSERT_TRUE(WalkTo(setup, SUMMARY_TITLE));
  }

  // Next, and a click on the point while the copy begins: the program is asked to stop
  // before it has copied anything. The question box, or none.
  HWND NextAndStopAt(POINT stop) {
    setup.ClickWhileHeld({setup.ButtonPoint(IDC_NEXT), stop});
    HWND question = setup.WaitForMessageBox("Install");
    if (question != nullptr) AddToAlbum(question, "Do you want to stop");
    return question;
  }

  InstallerSession setup;
};

} // namespace

TEST_F(Copy, InstallsTheElevenFilesStampedAndMovesOnByItself) {
  ASSERT_TRUE(ArriveAtTheFullBar(setup));
  const DWORD full = GetTickCount();
  ASSERT_TRUE(ArriveAfterTheCopy(setup));
  // A figure, not a check: the page waits half a second after the copy before it moves on.
  std::printf("moved on %lu ms after the bar was seen full\n", static_cast<unsigned long>(GetTickCount() - full));
  setup.Screenshot();
  // The times first: reading a file would change its last-access time.
  const FileTimes raw = TimesOf(std::string(INSTALL_FOLDER) + "\\tarnsyst.trn");
  EXPECT_EQ(raw.creation, PAYLOAD_STAMP);
  EXPECT_EQ(raw.access, PAYLOAD_STAMP);
  EXPECT_EQ(raw.write, PAYLOAD_STAMP);
  // Expanded files: only their temporary is stamped, and Wine's LZCopy carries its last-write
  // time over to the expanded file.
  EXPECT_EQ(TimesOf(std::string(INSTALL_FOLDER) + "\\tarn.exe").write, PAYLOAD_STAMP);
  EXPECT_EQ(TimesOf(std::string(INSTALL_FOLDER) + "\\tarn.chm").write, PAYLOAD_STAMP);
  ExpectEveryFileInstalled();
}

TEST_F(Copy, AbortAnsweredNoLetsTheCopyFinish) {
  HWND question = NextAndStopAt(setup.ButtonPoint(IDC_EXIT));
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(MessageBoxText(question), STOP_QUESTION);
  AnswerMessageBox(question, IDNO);
  ASSERT_TRUE(ArriveAfterTheCopy(setup));
  ExpectEveryFileInstalled();
}

class StopAt : public Copy, public testing::WithParamInterface<bool> {};

// Abort, or the close box: Yes ends on the error page, nothing was copied, and the run is
// undone.
TEST_P(StopAt, YesEndsOnTheAbortedPage) {
  POINT stop = setup.ButtonPoint(IDC_EXIT);
  if (GetParam()) {
    ASSERT_TRUE(setup.CloseBoxPoint(stop));
  }
  HWND question = NextAndStopAt(stop);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(MessageBoxText(question), STOP_QUESTION);
  AnswerMessageBox(question, IDYES);
  EXPECT_TRUE(OnErrorPageSaying(setup, "Installation aborted."));
  EXPECT_EQ(FilesIn(INSTALL_FOLDER), std::vector<std::string>{});
  setup.Click(IDC_EXIT);
  ASSERT_TRUE(setup.WaitForExit());
  // The folder that the run made goes with it.
  EXPECT_FALSE(Exists(INSTALL_FOLDER));
  EXPECT_FALSE(RunRecordExists());
}

INSTANTIATE_TEST_SUITE_P(ExitButtonOrCloseBox, StopAt, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? std::string("CloseBox") : std::string("Abort");
                         });

namespace {

// Files expanded before the one at which the run is stopped: a middle one of the ten.
constexpr int EXPANDED_BEFORE = 5;

} // namespace

// Abort answered Yes while a middle file is expanded, over an installation of an earlier
// version: the files before it are new, its compressed form lies beside the old one, and the
// run is undone. The installation is as it was, byte for byte with its times, and registered.
TEST(CopyOverAnInstallation, AnAbortWhileAMiddleFileIsExpandedLeavesItAsItWas) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole());
  for (const FileEntry* row = productFiles; row->componentKey != COMPONENT_END; ++row)
    ASSERT_TRUE(WriteWholeFile(Installed(row->name), row->name + std::string(" of before")));
  const FolderSnapshot files = SnapshotOf(INSTALL_FOLDER);
  const std::string registry = ProductRegistry();

  InstallerSession setup(SetupPath(), MEDIUM_DISK);
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkToTheSummaryOverAnInstallation(setup));
  MessageHold hold(setup.Frame(), IDC_COPY_STEP, "Uncompressing:", EXPANDED_BEFORE);
  ASSERT_TRUE(hold.Armed());
  setup.Click(IDC_NEXT);
  ASSERT_TRUE(hold.WaitUntilHeld());
  EXPECT_NE(SnapshotOf(INSTALL_FOLDER), files) << "stopped before the copy had changed anything";
  setup.ClickWhileHeld({setup.ButtonPoint(IDC_EXIT)});
  hold.Release();
  HWND question = setup.WaitForMessageBox(FRAME_CAPTION);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(MessageBoxText(question), STOP_QUESTION);
  AnswerMessageBox(question, IDYES);
  EXPECT_TRUE(OnErrorPageSaying(setup, "Installation aborted."));
  setup.Click(IDC_EXIT);
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(setup.ExitCode(), 10u);
  EXPECT_EQ(SnapshotOf(INSTALL_FOLDER), files);
  EXPECT_EQ(ProductRegistry(), registry);
  EXPECT_NE(UninstallCommand(), "");
  EXPECT_FALSE(RunRecordExists());
}

namespace {

// A copy of setup.exe whose payload was altered, started from a folder of its own.
class AlteredCopy : public testing::Test {
protected:
  AlteredCopy() : media(MEDIA_FOLDER) {}

  // Walks the altered program to the summary page and presses Next.
  void RunToTheCopy() {
    ASSERT_TRUE(media.Finish());
    session = std::make_unique<InstallerSession>(media.Path());
    ASSERT_TRUE(session->Started()) << "exit code " << session->ExitCode() << ", error " << GetLastError();
    ASSERT_TRUE(WalkTo(*session, SUMMARY_TITLE));
    session->Click(IDC_NEXT);
  }

  // A file in the folder of the altered copy, as the media may carry one beside the program.
  bool PlaceBeside(const std::string& name, const std::string& bytes) const {
    CreateDirectoryA(media.Folder().c_str(), nullptr);
    return WriteWholeFile(media.Folder() + "\\" + name, bytes);
  }

  AlteredSetup media;
  std::unique_ptr<InstallerSession> session;
};

constexpr int UNINSTALLER_CHUNK = 100;
constexpr int SECOND_LIBRARY_CHUNK = 102;
constexpr int LAST_ARCHIVE_CHUNK = 120;

} // namespace

TEST_F(AlteredCopy, WithoutItsChunkOrAFileBesideTheProgramAFileIsMissing) {
  media.RemoveChunk(UNINSTALLER_CHUNK);
  ASSERT_NO_FATAL_FAILURE(RunToTheCopy());
  EXPECT_TRUE(OnErrorPageSaying(*session, "The source file uninstal.exe is missing. Contact your supplier."));
}

TEST_F(AlteredCopy, WithoutItsChunkAFileIsTakenFromBesideTheProgram) {
  media.RemoveChunk(UNINSTALLER_CHUNK);
  ASSERT_TRUE(PlaceBeside("uninstal.exe", StandIn(*ProductRow("uninstal.exe"))));
  ASSERT_NO_FATAL_FAILURE(RunToTheCopy());
  ASSERT_TRUE(ArriveAfterTheCopy(*session));
  ExpectEveryFileInstalled();
}

TEST_F(AlteredCopy, WithoutItsChunkACompressedFileBesideTheProgramIsExpanded) {
  media.RemoveChunk(UNINSTALLER_CHUNK);
  ASSERT_TRUE(PlaceBeside("uninstal.ex_", StoredForm(*ProductRow("uninstal.exe"))));
  ASSERT_NO_FATAL_FAILURE(RunToTheCopy());
  ASSERT_TRUE(ArriveAfterTheCopy(*session));
  ExpectEveryFileInstalled();
}

// The run is undone: the file copied before the missing chunk goes, with the folder it made.
TEST_F(AlteredCopy, AMissingLaterChunkEndsTheCopyAndLeavesNothingOfTheProduct) {
  media.RemoveChunk(SECOND_LIBRARY_CHUNK);
  ASSERT_NO_FATAL_FAILURE(RunToTheCopy());
  EXPECT_TRUE(OnErrorPageSaying(*session, "Internal data is missing. Contact your supplier."));
  session->Click(IDC_EXIT);
  ASSERT_TRUE(session->WaitForExit());
  EXPECT_FALSE(Exists(INSTALL_FOLDER));
  EXPECT_FALSE(RunRecordExists());
}

// A damaged block of the payload, on a clean machine and then over a whole installation:
// nothing of the product stays, and the installation stays byte for byte with its times,
// registered, with nothing beside its files.
TEST_F(AlteredCopy, AChunkThatDisagreesWithTheCheckValueIsAChecksumErrorThatChangesNothing) {
  std::string chunk = StoredForm(*ProductRow("tarnsyst.trn")).substr(PAYLOAD_CHUNK_SIZE);
  chunk.back() = static_cast<char>(chunk.back() ^ 0x01);
  media.ReplaceChunk(LAST_ARCHIVE_CHUNK, chunk);
  ASSERT_NO_FATAL_FAILURE(RunToTheCopy());
  EXPECT_TRUE(OnErrorPageSaying(*session, "Checksum error in file tarnsyst.trn. The source disk may be bad."));
  session->Click(IDC_EXIT);
  ASSERT_TRUE(session->WaitForExit());
  EXPECT_EQ(session->ExitCode(), 7u);
  EXPECT_FALSE(Exists(INSTALL_FOLDER));
  EXPECT_FALSE(RunRecordExists());

  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  ASSERT_TRUE(InstallWhole());
  const FolderSnapshot before = SnapshotOf(INSTALL_FOLDER);
  const UnattendedOutcome damaged = RunUnattended(media.Path(), "/S");
  ASSERT_TRUE(damaged.ended);
  EXPECT_EQ(damaged.exitCode, 7u);
  EXPECT_EQ(SnapshotOf(INSTALL_FOLDER), before);
  ExpectWholeInstallation();
  EXPECT_FALSE(RunRecordExists());
}

namespace {

// Drive E: (a 4 MiB tmpfs) filled until only this much is free when the copy begins: room
// for the first file and its temporary, not for the second file's first chunk.
constexpr ULONGLONG LEFT_FREE = 100 * 1024;

bool FillDriveUntilFree(const std::string& root, ULONGLONG leftFree) {
  ULARGE_INTEGER free;
  if (!GetDiskFreeSpaceExA(root.c_str(), &free, nullptr, nullptr) || free.QuadPart < leftFree) return false;
  return WriteWholeFile(root + "filler", std::string(static_cast<size_t>(free.QuadPart - leftFree), 'f'));
}

} // namespace

TEST_F(Copy, AFileThatCannotBeCreatedEndsTheCopy) {
  CreateDirectoryA(INSTALL_FOLDER, nullptr);
  const FileLock temporary(std::string(INSTALL_FOLDER) + "\\uninstal.ex_");
  ASSERT_TRUE(temporary.Held());
  setup.Click(IDC_NEXT);
  EXPECT_TRUE(OnErrorPageSaying(setup,
                                "Cannot create file uninstal.exe. Be sure the disk is writable and you have write "
                                "access.\n\nIf you have an earlier version of TARN running, please close it down and "
                                "restart the installation."));
}

TEST(CopyToAFullDrive, AShortWriteNamesTheTemporary) {
  InstallerSession setup;
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkTo(setup, DESTINATION_TITLE));
  ASSERT_TRUE(TypeDestination(setup, "E:\\TARN"));
  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_NEXT, SUMMARY_TITLE));
  ASSERT_TRUE(FillDriveUntilFree("E:\\", LEFT_FREE));
  setup.Click(IDC_NEXT);
  EXPECT_TRUE(OnErrorPageSaying(setup, "Cannot write to file rtwin32.dl_. A write error has occurred."));
  setup.Click(IDC_EXIT);
  ASSERT_TRUE(setup.WaitForExit());
  // Undone: the first file, the temporary of the second and the folder are gone.
  EXPECT_FALSE(Exists("E:\\TARN"));
}
