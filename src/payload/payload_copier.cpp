
#include "payload/payload_copier.h"

#include "core/bounded_format.h"
#include "core/confirm_stop.h"
#include "core/error_page.h"
#include "core/table_rows.h"
#include "destination/directory_store.h"
#include "destination/directory_tree.h"
#include "payload/file_time_stamp.h"
#include "payload/payload_path.h"
#include "payload/progress_bar.h"
#include "resource_ids.h"

PayloadCopier::PayloadCopier(HWND pageWindow, Catalogue& catalogue)
    : programDirectory{}, destinationDirectory{}, sharedDirectory{}, currentOutputPath{}, timeStamp{},
      hasTimeStamp(0), fontsAdded(0), errorCode(0), errorArgument{}, pageWindow(pageWindow),
      progressBar(GetDlgItem(pageWindow, IDC_PROGRESS_BAR)), catalogue(catalogue),
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
    if (!CreateDirectoryTree(sharedDirectory)) return Fail(ERROR_CANNOT_CREATE_DIRECTORY, sharedDirectory);
    return 1;
  }
  for (FileEntry& row : TableRows(catalogue.files))
    if (row.selected != ROW_NOT_SELECTED) row.intoSharedDirectory = 0;
  for (OptionalRow& row : TableRows(catalogue.sharedChoiceRows))
    if (row.selected != ROW_NOT_SELECTED) row.intoSharedDirectory = 0;
  return 1;
}

int PayloadCopier::CopyAll() {
  if (errorCode != 0) return 0;
  if (!CheckForStop()) return 0;
  MakeDirectories();
  if (!CheckForStop()) return 0;
  SetDlgItemInt(pageWindow, IDC_CURRENT_DISK, 1, FALSE);
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
  if (!BeginFile(row, paths.output)) return 0;
  while (chunksRemaining != 0)
    if (!ReadChunk(row) || !WriteChunk(row, paths.output)) return 0;
  return FinishFile(row, paths);
}

void PayloadCopier::MakeDirectories() {
  for (const DirectoryEntry& row : TableRows(catalogue.directories)) {
    if (row.selected == ROW_NOT_SELECTED) continue;
    char path[PATH_CAPACITY];
    if (TargetPath(row.name, 0, path)) CreateDirectoryA(path, nullptr);
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
  // An output of the chunk phase that was not finished is no usable file.
  if (currentOutputPath[0] != '\0') DeleteFileA(currentOutputPath);
  currentOutputPath[0] = '\0';
  if (fontsAdded) SendMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
}

int PayloadCopier::Fail(int code, const char* argument) {
  errorCode = code;
  CopyBounded(errorArgument, sizeof errorArgument, argument);
  return 0;
}

int PayloadCopier::CheckForStop() {
  if (!ConfirmStop(pageWindow)) return 1;
  return Fail(ERROR_ABORTED, nullptr);
}

void PayloadCopier::ShowProgress() { RedrawProgress(*this); }

void PayloadCopier::ShowStep(const char* step) { SetDlgItemTextA(pageWindow, IDC_COPY_STEP, step); }
