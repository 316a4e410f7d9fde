// The end of a row: its output closed and stamped, expanded, summed, and a font added.
#include "payload/payload_copier.h"

#include <lzexpand.h>

#include "core/bounded_format.h"
#include "core/error_page.h"
#include "payload/crc32.h"
#include "payload/file_time_stamp.h"

int PayloadCopier::FinishFile(const FileEntry& row) {
  if (!CloseChunkOutput(row)) return 0;
  if (ExpandsAfterCopy(row)) {
    if (!ExpandTemporary(row) || !ChecksumPass(row)) return 0;
  } else {
    // A file source shorter than the row's size still counts the row in full.
    CreditRest(progress);
    ShowProgress();
  }
  if (row.checkValue != 0 && row.checkValue != crcRegister) return Fail(ERROR_CHECKSUM, row.name);
  if (!CheckForStop()) return 0;
  return AddFontIfOne(row);
}

int PayloadCopier::CloseChunkOutput(const FileEntry& row) {
  // A row of no chunks leaves its first resource loaded; the next row must not inherit it.
  ReleaseChunkResource();
  CloseSource();
  const HFILE closing = outputHandle;
  outputHandle = 0;
  if (_lclose(closing) == HFILE_ERROR) return Fail(ERROR_CANNOT_WRITE_FILE, row.name);
  if (hasTimeStamp) StampFile(currentOutputPath, timeStamp);
  currentOutputPath[0] = '\0';
  return 1;
}

int PayloadCopier::ExpandTemporary(const FileEntry& row) {
  ShowStep("Uncompressing:");
  const char* destination = TargetPath(row.name, row.intoSharedDirectory);
  OFSTRUCT opened;
  // OpenFile, not LZOpenFileA: when the destination cannot be created, LZOpenFileA goes on to
  // create the name ending in "_" instead, and that would truncate the temporary itself.
  const HFILE created = destination != nullptr ? OpenFile(destination, &opened, OF_CREATE | OF_WRITE) : HFILE_ERROR;
  if (created < 0) return Fail(ERROR_CANNOT_CREATE_FILE, row.name);
  lzDestinationHandle = created;
  if (!CheckForStop()) return 0;
  char temporary[PATH_CAPACITY];
  CopyBounded(temporary, sizeof temporary, CompressedName());
  const HFILE source = LZOpenFileA(temporary, &opened, OF_READ);
  if (source < 0) return Fail(ERROR_CANNOT_UNCOMPRESS, row.name);
  sourceHandle = source;
  sourceIsLz = 1;
  if (!CheckForStop()) return 0;
  if (LZCopy(sourceHandle, lzDestinationHandle) < 0) return Fail(ERROR_CANNOT_UNCOMPRESS, row.name);
  CreditHalfOfRest(progress);
  ShowProgress();
  CloseSource();
  LZClose(lzDestinationHandle);
  lzDestinationHandle = 0;
  if (!CheckForStop()) return 0;
  DeleteFileA(temporary);
  return CheckForStop();
}

int PayloadCopier::ChecksumPass(const FileEntry& row) {
  ShowStep("Checksum:");
  const char* destination = TargetPath(row.name, row.intoSharedDirectory);
  OFSTRUCT opened;
  const HFILE file = destination != nullptr ? OpenFile(destination, &opened, OF_READ) : HFILE_ERROR;
  if (file == HFILE_ERROR) return Fail(ERROR_CANNOT_CALCULATE_CRC, row.name);
  outputHandle = file;
  UINT count;
  do {
    count = _lread(outputHandle, checksumBuffer, CHECKSUM_READ_PIECE);
    if (count != static_cast<UINT>(HFILE_ERROR)) crcRegister = Crc32Update(checksumBuffer, count, crcRegister);
  } while (count == CHECKSUM_READ_PIECE);
  _lclose(outputHandle);
  outputHandle = 0;
  if (count == static_cast<UINT>(HFILE_ERROR)) return Fail(ERROR_CANNOT_CALCULATE_CRC, row.name);
  ShowStep("Copying file:");
  CreditRest(progress);
  ShowProgress();
  return 1;
}

int PayloadCopier::AddFontIfOne(const FileEntry& row) {
  if (!fontFlag) return 1;
  const char* font = TargetPath(row.name, row.intoSharedDirectory);
  if (font != nullptr && AddFontResourceA(font) != 0) fontsAdded = 1;
  return CheckForStop();
}

void PayloadCopier::CloseSource() {
  if (sourceHandle != 0) {
    if (sourceIsLz)
      LZClose(sourceHandle);
    else
      _lclose(sourceHandle);
  }
  sourceHandle = 0;
  sourceIsLz = 0;
}
