
#include "payload/payload_copier.h"

#include <lzexpand.h>

#include "core/bounded_format.h"
#include "core/confirm_stop.h"
#include "core/error_page.h"
#include "destination/directory_store.h"
#include "destination/directory_tree.h"
#include "payload/file_time_stamp.h"
#include "payload/payload_path.h"
#include "payload/progress_bar.h"
#include "resource_ids.h"

PayloadCopier::PayloadCopier(HWND pageWindow, Catalogue& catalogue)
    : programDirectory{}, destinationDirectory{}, sharedDirectory{}, pathScratch{}, currentOutputPath{},
      timeStamp{}, hasTimeStamp(0), fontFlag(0), fontsAdded(0), errorCode(0), errorArgument{},
      pageWindow(pageWindow), catalogue(catalogue), sourceHandle(0), outputHandle(0), lzDestinationHandle(0),
      chunkResource(nullptr), chunkResourceLength(0), sourceIsLz(0), chunksRemaining(0), data(nullptr),
      dataLength(0), progress{}, crcRegister(0), readBuffer{}, checksumBuffer{} {
  hasTimeStamp = MakeTimeStamp(catalogue, timeStamp) ? 1 : 0;
  for (const FileEntry* row = catalogue.files; row != nullptr && row->componentKey != COMPONENT_END; ++row)
    if (row->selected != ROW_NOT_SELECTED) AddRowToTotal(progress, static_cast<uint32_t>(row->size));
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
  for (FileEntry* row = catalogue.files; row != nullptr && row->componentKey != COMPONENT_END; ++row)
    if (row->selected != ROW_NOT_SELECTED) row->intoSharedDirectory = 0;
  for (OptionalRow* row = catalogue.sharedChoiceRows; row != nullptr && row->componentKey != COMPONENT_END; ++row)
    if (row->selected != ROW_NOT_SELECTED) row->intoSharedDirectory = 0;
  return 1;
}

int PayloadCopier::CopyAll() {
  if (errorCode != 0) return 0;
  if (!CheckForStop()) return 0;
  MakeDirectories();
  if (!CheckForStop()) return 0;
  SetDlgItemInt(pageWindow, IDC_CURRENT_DISK, 1, FALSE);
  for (FileEntry* row = catalogue.files; row != nullptr && row->componentKey != COMPONENT_END; ++row) {
    if (row->disk != 1 || IsSkipped(*row)) continue;
    if (!CopyRow(*row)) return 0;
  }
  return 1;
}

int PayloadCopier::CopyRow(FileEntry& row) {
  if (!BeginFile(row)) return 0;
  while (chunksRemaining != 0)
    if (!ReadChunk(row) || !WriteChunk(row)) return 0;
  return FinishFile(row);
}

void PayloadCopier::MakeDirectories() {
  for (const DirectoryEntry* row = catalogue.directories; row != nullptr && row->componentKey != COMPONENT_END; ++row) {
    if (row->selected == ROW_NOT_SELECTED) continue;
    const char* path = TargetPath(row->name, 0);
    if (path != nullptr) CreateDirectoryA(path, nullptr);
  }
}

int PayloadCopier::IsSkipped(FileEntry& row) {
  if (row.selected == ROW_NOT_SELECTED) return 1;
  const char* target = TargetPath(row.name, row.intoSharedDirectory);
  if (!fontFlag || target == nullptr) return 0;
  OFSTRUCT found;
  const HFILE font = OpenFile(target, &found, OF_READ | OF_SHARE_DENY_WRITE);
  if (font == HFILE_ERROR) return 0;
  // A font that is already there is left untouched: it may be in use.
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
  if (lzDestinationHandle != 0) LZClose(lzDestinationHandle);
  lzDestinationHandle = 0;
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
