// The extraction engine on test catalogues: what lands where, what is left out, and each
// failure with its code and argument.
#include <windows.h>

#include <gtest/gtest.h>
#include <cstdio>
#include <vector>

#include "copier_fixture.h"
#include "copy_hooks.h"
#include "core/page_walk.h"
#include "file_lock.h"
#include "files_in.h"
#include "file_times.h"
#include "import_patch.h"
#include "resource_ids.h"

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

constexpr char STAMP[] = "2010-05-06 12:03:00";
constexpr uint64_t SECOND = 10000000; // in file time ticks

uint64_t Now() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return Ticks(now);
}

using Copier = CopierFixture;

TEST_F(Copier, InstallsEveryRowByteForByteAndLeavesNoTemporary) {
  const std::string program = SampleContent(10000, 1), archive = SampleContent(9000, 2), tiny = SampleContent(5, 3);
  const size_t programRow = payload.Add("tool.exe", program, true);
  const size_t archiveRow = payload.Add("data.trn", archive, false);
  payload.Add("one.dll", tiny, true);
  ASSERT_EQ(payload.Row(programRow).chunkCount, 3);
  ASSERT_EQ(payload.Row(archiveRow).chunkCount, 3);

  ASSERT_EQ(Run(), 1) << "error " << installState.failure.code;
  EXPECT_EQ(Installed("tool.exe"), program);
  EXPECT_EQ(Installed("data.trn"), archive);
  EXPECT_EQ(Installed("one.dll"), tiny);
  for (const char* temporary : {"tool.ex_", "data.tr_", "one.dl_"}) EXPECT_FALSE(Exists(InDestination(temporary)));
  for (size_t row = 0; row < 3; ++row) EXPECT_EQ(payload.Row(row).selected, ROW_COPY_BEGUN);
  // Each literal image is longer than its file, yet the progress ends at the total exactly.
  EXPECT_GT(payload.StoredForm(programRow).size(), program.size());
  EXPECT_EQ(copier->TotalBytes(), 19005u);
  EXPECT_EQ(copier->DoneBytes(), 19005u);
  EXPECT_EQ(ControlText(page, IDC_CURRENT_DISK), "1");
  EXPECT_EQ(ControlText(page, IDC_COPY_FILE), "one.dll");
  EXPECT_EQ(ControlText(page, IDC_COPY_STEP), "Copying file:");
}

TEST_F(Copier, UnselectedRowsAndRowsOfAnotherDiskAreNotInstalled) {
  payload.Add("skipped.dll", SampleContent(100, 4), true);
  payload.Add("disk2.dll", SampleContent(200, 5), true);
  payload.Add("wanted.dll", SampleContent(300, 6), true);
  payload.Row(0).selected = ROW_NOT_SELECTED;
  payload.Row(1).disk = 2;

  ASSERT_EQ(Run(), 1);
  EXPECT_FALSE(Exists(InDestination("skipped.dll")));
  EXPECT_FALSE(Exists(InDestination("disk2.dll")));
  EXPECT_EQ(Installed("wanted.dll"), SampleContent(300, 6));
  EXPECT_EQ(payload.Row(0).selected, ROW_NOT_SELECTED);
  EXPECT_EQ(payload.Row(1).selected, ROW_SELECTED);
  // The other disk's row is in the total but never done, so the bar stops short.
  EXPECT_EQ(copier->TotalBytes(), 500u);
  EXPECT_EQ(copier->DoneBytes(), 300u);
}

TEST_F(Copier, ACheckValueOfZeroTurnsTheCheckOff) {
  payload.Add("unchecked.dll", SampleContent(700, 7), true);
  payload.Add("raw.dat", SampleContent(700, 8), false);
  payload.Row(0).checkValue = 0;
  payload.Row(1).checkValue = 0;
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(Installed("unchecked.dll"), SampleContent(700, 7));
  EXPECT_EQ(Installed("raw.dat"), SampleContent(700, 8));
}

// Wrong content never takes a product file's name; the undo puts the old file back, removes
// the new one and every form the copy left beside them.
TEST_F(Copier, AContentThatDisagreesWithItsCheckValueIsAChecksumErrorThatTheUndoTakesBack) {
  payload.Add("good.dll", SampleContent(700, 9), true);
  payload.Add("bad.dll", SampleContent(700, 10), true);
  payload.Add("later.dll", SampleContent(700, 11), true);
  payload.Row(1).checkValue ^= 1;
  ASSERT_TRUE(WriteWholeFile(InDestination("bad.dll"), "the version before"));
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(installState.failure.code, FAILURE_CHECKSUM);
  EXPECT_STREQ(installState.failure.Argument(), "bad.dll");
  EXPECT_EQ(Installed("good.dll"), SampleContent(700, 9));
  EXPECT_EQ(Installed("bad.dll"), "the version before");
  // The rows after a failure are not touched.
  EXPECT_FALSE(Exists(InDestination("later.dll")));
  EXPECT_EQ(payload.Row(2).selected, ROW_SELECTED);

  ASSERT_TRUE(Undo());
  EXPECT_EQ(Installed("bad.dll"), "the version before");
  EXPECT_EQ(FilesIn(destination), std::vector<std::string>{"bad.dll"});
  EXPECT_FALSE(Undo()) << "the record outlived its undo";
}

TEST_F(Copier, AMissingLaterChunkIsMissingInternalDataAndTheUndoDeletesThePartialOutput) {
  payload.Add("cut.dll", SampleContent(10000, 12), true);
  payload.Row(0).chunkCount += 1; // its last chunk was never stored
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(installState.failure.code, FAILURE_INTERNAL_DATA_MISSING);
  EXPECT_STREQ(installState.failure.Argument(), "cut.dll");
  EXPECT_FALSE(Exists(InDestination("cut.dll")));
  ASSERT_TRUE(Undo());
  EXPECT_EQ(FilesIn(destination), std::vector<std::string>{});
}

TEST_F(Copier, AnExpandedFileThatCannotBeReadBackFailsToCalculateItsCrc) {
  payload.Add("locked.dll", SampleContent(3000, 13), true);
  std::unique_ptr<FileLock> lock;
  ControlTextHook hook(Control(IDC_COPY_STEP), "Checksum:",
                       [&] { lock = std::make_unique<FileLock>(InDestination("locked.dl~")); });
  EXPECT_EQ(Run(), 0);
  ASSERT_TRUE(hook.Fired());
  ASSERT_TRUE(lock->Held());
  EXPECT_EQ(installState.failure.code, FAILURE_CANNOT_CALCULATE_CRC);
  EXPECT_STREQ(installState.failure.Argument(), "locked.dll");
  EXPECT_FALSE(Exists(InDestination("locked.dll")));
}

TEST_F(Copier, ATemporaryThatCannotBeOpenedForExpansionCannotBeUncompressed) {
  payload.Add("held.dll", SampleContent(3000, 14), true);
  std::unique_ptr<FileLock> lock;
  ControlTextHook hook(Control(IDC_COPY_STEP), "Uncompressing:",
                       [&] { lock = std::make_unique<FileLock>(InDestination("held.dl_")); });
  EXPECT_EQ(Run(), 0);
  ASSERT_TRUE(hook.Fired());
  EXPECT_EQ(installState.failure.code, FAILURE_CANNOT_UNCOMPRESS);
  EXPECT_STREQ(installState.failure.Argument(), "held.dll");
}

TEST_F(Copier, AFileHeldOpenCannotBeReplacedAndKeepsItsContentThroughTheUndo) {
  payload.Add("busy.exe", SampleContent(3000, 15), true);
  ASSERT_TRUE(WriteWholeFile(InDestination("busy.exe"), "running"));
  FileLock lock(InDestination("busy.exe"));
  ASSERT_TRUE(lock.Held());
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(installState.failure.code, FAILURE_CANNOT_CREATE_FILE);
  EXPECT_STREQ(installState.failure.Argument(), "busy.exe");
  lock.Unlock();
  EXPECT_EQ(Installed("busy.exe"), "running");
  ASSERT_TRUE(Undo());
  EXPECT_EQ(Installed("busy.exe"), "running");
  EXPECT_EQ(FilesIn(destination), std::vector<std::string>{"busy.exe"});
}

TEST_F(Copier, WrittenFilesCarryTheCataloguesTimeStamp) {
  payload.Add("plain.trn", SampleContent(5000, 16), false);
  payload.Add("packed.exe", SampleContent(5000, 17), true);
  ASSERT_EQ(Run(), 1);
  const FileTimes plain = TimesOf(InDestination("plain.trn"));
  EXPECT_EQ(plain.creation, STAMP);
  EXPECT_EQ(plain.access, STAMP);
  EXPECT_EQ(plain.write, STAMP);
  // Only the temporary is stamped; Wine's LZCopy carries its last-write time over to the
  // expanded file (and its last-access time is the time of the copy).
  EXPECT_EQ(TimesOf(InDestination("packed.exe")).write, STAMP);
}

TEST_F(Copier, ADateThatIsNoCalendarTimeLeavesTheFilesTimesAlone) {
  catalogue.version = 0x1299; // minute 99
  payload.Add("plain.trn", SampleContent(500, 18), false);
  const uint64_t before = Now() - SECOND;
  ASSERT_EQ(Run(), 1);
  const uint64_t written = LastWriteTicks(InDestination("plain.trn"));
  // The time of writing, whatever the file system's clock granularity.
  EXPECT_GE(written, before);
  EXPECT_LE(written, Now() + SECOND);
}

// A system directory that does not exist: only a load by bare name would still find LZ32.
UINT WINAPI NoSuchSystemDirectory(LPSTR buffer, UINT size) {
  const char folder[] = "C:\\no-such-system";
  lstrcpynA(buffer, folder, static_cast<int>(size));
  return sizeof folder - 1;
}

// A LZ32 without LZCopy.
ImportPatch* procedureLookup;
FARPROC WINAPI WithoutLzCopy(HMODULE module, LPCSTR name) {
  if (!IS_INTRESOURCE(name) && lstrcmpA(name, "LZCopy") == 0) return nullptr;
  return reinterpret_cast<decltype(&GetProcAddress)>(procedureLookup->Original())(module, name);
}

struct Lz32Loss {
  const char* name;
  const char* patched; // the KERNEL32 import through which the copier meets the loss
  void* replacement;
};
void PrintTo(const Lz32Loss& loss, std::ostream* out) { *out << loss.name; }

class CopierWithoutLz32 : public CopierFixture, public testing::WithParamInterface<Lz32Loss> {};

// LZ32 is loaded from the system directory by its full path; without it, or without one of its
// functions, a compressed row cannot be uncompressed, and no empty file is left in its place.
TEST_P(CopierWithoutLz32, CannotUncompressACompressedRowAndKeepsItsStoredForm) {
  payload.Add("data.trn", SampleContent(3000, 30), false);
  payload.Add("tool.exe", SampleContent(3000, 31), true);
  ImportPatch patch("kernel32.dll", GetParam().patched, GetParam().replacement);
  ASSERT_TRUE(patch.Applied());
  procedureLookup = &patch;

  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(installState.failure.code, FAILURE_CANNOT_UNCOMPRESS);
  EXPECT_STREQ(installState.failure.Argument(), "tool.exe");
  EXPECT_EQ(Installed("data.trn"), SampleContent(3000, 30)) << "a stored row needs no LZ32";
  EXPECT_FALSE(Exists(InDestination("tool.exe")));
  copier->Release();
  EXPECT_EQ(ReadWholeFile(InDestination("tool.ex_")), payload.StoredForm(1));
}

INSTANTIATE_TEST_SUITE_P(
    Lz32, CopierWithoutLz32,
    testing::Values(
        Lz32Loss{"NotInTheSystemDirectory", "GetSystemDirectoryA", reinterpret_cast<void*>(&NoSuchSystemDirectory)},
        Lz32Loss{"WithoutLZCopy", "GetProcAddress", reinterpret_cast<void*>(&WithoutLzCopy)}),
    [](const testing::TestParamInfo<Lz32Loss>& info) { return std::string(info.param.name); });

} // namespace
