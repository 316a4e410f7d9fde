#include "payload/payload_copier.h"

#include "core/bounded_text.h"
#include "core/page_walk.h"
#include "core/recorded_changes.h"
#include "destination/directories.h"
#include "payload/copy_page.h"
#include "resource_ids.h"

namespace {

// Longer than a drive root: the Windows directory then takes a backslash before its folder.
constexpr UINT DRIVE_ROOT_LENGTH = 3;

// The catalogue's local stamp time as UTC; false when its date is no valid calendar time.
bool MakeTimeStamp(const Catalogue& catalogue, FILETIME& stamp) {
  const StampCalendar calendar =
      StampCalendarOf(catalogue.stampDay, catalogue.stampMonth, catalogue.stampYear, catalogue.version);
  SYSTEMTIME local{};
  local.wYear = static_cast<WORD>(calendar.year);
  local.wMonth = static_cast<WORD>(calendar.month);
  local.wDay = static_cast<WORD>(calendar.day);
  local.wHour = static_cast<WORD>(calendar.hour);
  local.wMinute = static_cast<WORD>(calendar.minute);
  FILETIME localTime;
  return SystemTimeToFileTime(&local, &localTime) && LocalFileTimeToFileTime(&localTime, &stamp);
}

} // namespace

PayloadCopier::PayloadCopier(HWND pageWindow, Catalogue& catalogue)
    : programDirectory{}, destinationDirectory{}, sharedDirectory{}, timeStamp{},
      hasTimeStamp(0), fontsAdded(0), replacing(0), pageWindow(pageWindow),
      progressBar(GetDlgItem(pageWindow, IDC_PROGRESS_BAR)), catalogue(catalogue), lz(),
      sourceHandle(0), outputHandle(0), chunkResource(nullptr), chunkResourceLength(0), sourceIsLz(0), chunksRemaining(0), data(nullptr),
      dataLength(0), progress{}, crcRegister(0), readBuffer{}, checksumBuffer{} {
  hasTimeStamp = MakeTimeStamp(catalogue, timeStamp) ? 1 : 0;
  for (const FileEntry& row : TableRows(catalogue.files))
    if (row.selected != ROW_NOT_SELECTED) AddRowToTotal(progress, static_cast<uint32_t>(row.size));
  const DWORD length = GetModuleFileNameA(nullptr, programDirectory, sizeof programDirectory);
  if (length == 0 || length >= sizeof programDirectory) programDirectory[0] = '\0';
  char* name = const_cast<char*>(NameAfterLastBackslash(programDirectory));
  *name = '\0';
}

int PayloadCopier::Prepare() {
  CopyBounded(destinationDirectory, sizeof destinationDirectory, GetDestinationDirectory());
  // A directory that cannot take its backslash names no file (TargetPath gives none).
  AppendBackslash(destinationDirectory, sizeof destinationDirectory);
  const char* shared = GetSharedDirectory();
  if (shared != nullptr) {
    CopyBounded(sharedDirectory, sizeof sharedDirectory, shared);
    AppendBackslash(sharedDirectory, sizeof sharedDirectory);
    if (!CreateDirectoryTree(sharedDirectory)) return Fail(FAILURE_CANNOT_CREATE_DIRECTORY, sharedDirectory);
    return 1;
  }
  for (FileEntry& row : TableRows(catalogue.files))
    if (row.selected != ROW_NOT_SELECTED) row.intoSharedDirectory = 0;
  for (OptionalRow& row : TableRows(catalogue.sharedChoiceRows))
    if (row.selected != ROW_NOT_SELECTED) row.intoSharedDirectory = 0;
  return 1;
}

int PayloadCopier::CopyAll() {
  if (installState.failure.code != NO_FAILURE) return 0;
  if (!ContinueUnlessStopped()) return 0;
  MakeDirectories();
  if (!ContinueUnlessStopped()) return 0;
  SetDlgItemTextA(pageWindow, IDC_CURRENT_DISK, "1");
  for (FileEntry& row : TableRows(catalogue.files)) {
    if (row.disk != 1 || row.selected == ROW_NOT_SELECTED) continue;
    RowPaths paths;
    PlanRow(row, paths);
    if (FontIsThere(row, paths.target)) continue;
    if (!CopyRow(row, paths)) return 0;
  }
  return 1;
}

int PayloadCopier::CopyRow(FileEntry& row, const RowPaths& paths) {
  if (!BeginFile(row, paths)) return 0;
  while (chunksRemaining != 0)
    if (!ReadChunk(row) || !WriteChunk(row, paths.output)) return 0;
  return FinishFile(row, paths);
}

void PayloadCopier::MakeDirectories() {
  for (const DirectoryEntry& row : TableRows(catalogue.directories)) {
    if (row.selected == ROW_NOT_SELECTED) continue;
    char path[PATH_CAPACITY];
    if (TargetPath(row.name, 0, path)) MakeRecordedDirectory(path);
  }
}

int PayloadCopier::FontIsThere(const FileEntry& row, const char* target) {
  if (!IsFontFileName(row.name) || target[0] == '\0') return 0;
  OFSTRUCT found;
  const HFILE font = OpenFile(target, &found, OF_READ | OF_SHARE_DENY_WRITE);
  if (font == HFILE_ERROR) return 0;
  _lclose(font);
  CreditSkippedRow(progress, static_cast<uint32_t>(row.size));
  ShowProgress();
  return 1;
}

void PayloadCopier::Release() {
  ReleaseChunkResource();
  CloseSource();
  if (outputHandle != 0) _lclose(outputHandle);
  outputHandle = 0;
  if (fontsAdded) SendMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
}

int PayloadCopier::ContinueUnlessStopped() {
  if (!UserConfirmsStop(pageWindow)) return 1;
  return Fail(FAILURE_ABORTED, nullptr);
}

void PayloadCopier::ShowProgress() { RedrawProgress(*this); }

void PayloadCopier::ShowStep(const char* step) { SetDlgItemTextA(pageWindow, IDC_COPY_STEP, step); }

bool PayloadCopier::TargetPath(const char* name, int32_t sharedChoice, char (&out)[PATH_CAPACITY]) const {
  out[0] = '\0';
  if (IsFontFileName(name)) {
    char windows[PATH_CAPACITY];
    const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows) return false;
    const char* separator = length > DRIVE_ROOT_LENGTH ? "\\" : "";
    const char* folder = installState.fontsInFontsFolder ? "Fonts\\" : "SYSTEM\\";
    return JoinPath(out, sizeof out, {windows, separator, folder, name});
  }
  const char* directory = sharedChoice != 0 && sharedDirectory[0] != '\0' ? sharedDirectory : destinationDirectory;
  if (!EndsInBackslash(directory)) return false;
  return JoinPath(out, sizeof out, {directory, name});
}

void PayloadCopier::PlanRow(const FileEntry& row, RowPaths& paths) const {
  TargetPath(row.name, row.intoSharedDirectory, paths.target);
  // A target without names for its forms leaves them empty: no file is made for it.
  MakeMarkedCopy(paths.target, WHOLE_MARK, paths.whole);
  MakeMarkedCopy(paths.target, ExpandsAfterCopy(row) ? COMPRESSED_MARK : WHOLE_MARK, paths.output);
}
