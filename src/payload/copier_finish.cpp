// The end of a row: its output closed and stamped, expanded, summed, and a font added.
#include "payload/payload_copier.h"

#include <lzexpand.h>

#include "core/bounded_format.h"
#include "core/error_page.h"
#include "payload/crc32.h"
#include "payload/file_time_stamp.h"
#include "payload/payload_path.h"

int PayloadCopier::FinishFile(const FileEntry& row, const RowPaths& paths) {
  if (!CloseChunkOutput(row)) return 0;
  if (ExpandsAfterCopy(row)) {
    if (!ExpandTemporary(row, paths.output, paths.target) || !ChecksumPass(row, paths.target)) return 0;
  } else {
    // A file source shorter than the row's size still counts the row in full.
    CreditRest(progress);
    ShowProgress();
  }
  if (row.checkValue != 0 && row.checkValue != crcRegister) return Fail(ERROR_CHECKSUM, row.name);
  if (!CheckForStop()) return 0;
  return AddFontIfOne(row, paths.target);
}

int PayloadCopier::CloseChunkOutput(const FileEntry& row) {
  // A row of no chunks leaves its first resource loaded; the next row must not inherit it.
  ReleaseChunkResource();
  CloseSource();
  const HFILE closing = outputHandle;
  outputHandle = 0;
  // Stamped through the handle that wrote it rather than opened again.
  if (hasTimeStamp) StampOpenFile(closing, timeStamp);
  // An output that cannot be closed stays current: Release deletes it.
  if (_lclose(closing) == HFILE_ERROR) return Fail(ERROR_CANNOT_WRITE_FILE, row.name);
  currentOutputPath[0] = '\0';
  return 1;
}

int PayloadCopier::ExpandTemporary(const FileEntry& row, const char* temporary, const char* target) {
  ShowStep("Uncompressing:");
  OFSTRUCT opened;
  // OpenFile, not LZOpenFileA: when the target cannot be created, LZOpenFileA goes on to
  // create the name ending in "_" instead, and that would truncate the temporary itself.
  const HFILE expanded = target[0] != '\0' ? OpenFile(target, &opened, OF_CREATE | OF_WRITE) : HFILE_ERROR;
  if (expanded < 0) return Fail(ERROR_CANNOT_CREATE_FILE, row.name);
  const int done = ExpandInto(row, temporary, expanded);
  LZClose(expanded);
  if (!done) return 0;
  CreditHalfOfRest(progress);
  ShowProgress();
  if (!CheckForStop()) return 0;
  DeleteFileA(temporary);
  return CheckForStop();
}

int PayloadCopier::ExpandInto(const FileEntry& row, const char* temporary, HFILE expanded) {
  char name[PATH_CAPACITY]; // LZOpenFileA takes a writable name
  CopyBounded(name, sizeof name, temporary);
  OFSTRUCT opened;
  const HFILE stored = LZOpenFileA(name, &opened, OF_READ);
  if (stored < 0) return Fail(ERROR_CANNOT_UNCOMPRESS, row.name);
  // One stop check between creating the destination and the copy: nothing in between can be undone.
  int result = CheckForStop();
  if (result && LZCopy(stored, expanded) < 0) result = Fail(ERROR_CANNOT_UNCOMPRESS, row.name);
  LZClose(stored);
  return result;
}

int PayloadCopier::ChecksumPass(const FileEntry& row, const char* target) {
  ShowStep("Checksum:");
  OFSTRUCT opened;
  const HFILE file = target[0] != '\0' ? OpenFile(target, &opened, OF_READ) : HFILE_ERROR;
  if (file == HFILE_ERROR) return Fail(ERROR_CANNOT_CALCULATE_CRC, row.name);
  UINT count;
  do {
    count = _lread(file, checksumBuffer, CHECKSUM_READ_PIECE);
    if (count != static_cast<UINT>(HFILE_ERROR)) crcRegister = Crc32Update(checksumBuffer, count, crcRegister);
  } while (count == CHECKSUM_READ_PIECE);
  _lclose(file);
  if (count == static_cast<UINT>(HFILE_ERROR)) return Fail(ERROR_CANNOT_CALCULATE_CRC, row.name);
  ShowStep("Copying file:");
  CreditRest(progress);
  ShowProgress();
  return 1;
}

int PayloadCopier::AddFontIfOne(const FileEntry& row, const char* target) {
  if (!IsFontFileName(row.name)) return 1;
  if (target[0] != '\0' && AddFontResourceA(target) != 0) fontsAdded = 1;
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
