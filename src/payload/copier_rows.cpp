// The steps of one row: its stored form written chunk by chunk, then closed and stamped,
// expanded, summed, and a font added.
#include "payload/payload_copier.h"

#include "core/bounded_text.h"
#include "payload/crc32.h"
#include "resource_ids.h"

namespace {

constexpr int32_t HIGHEST_RESOURCE_ID = 0xFFFF;

// Sets creation, last-access and last-write time of a file open for writing; a failure
// leaves its times as they are.
void StampOpenFile(HFILE file, const FILETIME& stamp) {
  // A handle of the _l calls is a Win32 file handle.
  SetFileTime(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(file)), &stamp, &stamp, &stamp);
}

} // namespace

int PayloadCopier::BeginFile(FileEntry& row, const char* output) {
  sourceHandle = 0;
  sourceIsLz = 0;
  data = nullptr;
  chunksRemaining = 0;
  crcRegister = CRC32_START;
  BeginRowProgress(progress, static_cast<uint32_t>(row.size));
  SetDlgItemTextA(pageWindow, IDC_COPY_FILE, row.name);
  if (row.firstResource != 0 && LoadChunk(row.firstResource)) chunksRemaining = row.chunkCount;
  if (chunkResource == nullptr && !OpenProgramDirectorySource(row)) return 0;
  if (!ContinueUnlessStopped()) return 0;
  row.selected = ROW_COPY_BEGUN;
  if (!CreateChunkOutput(row, output)) return 0;
  return ContinueUnlessStopped();
}

int PayloadCopier::OpenProgramDirectorySource(const FileEntry& row) {
  // Beside the program; a path that does not fit stays empty and opens nothing.
  char path[PATH_CAPACITY];
  JoinPath(path, sizeof path, {programDirectory, NameAfterLastBackslash(row.name)});
  OFSTRUCT opened;
  HFILE source = OpenFile(path, &opened, OF_READ);
  if (source == HFILE_ERROR) {
    if (!ContinueUnlessStopped()) return 0;
    // Else its compressed form, expanded as it is read.
    if (!MakeCompressedName(path)) return Fail(FAILURE_SOURCE_MISSING, row.name);
    if (!NeedLz32(row)) return 0;
    source = lz.OpenFile(path, &opened, OF_READ);
    if (source < 0) return Fail(FAILURE_SOURCE_MISSING, row.name);
    sourceIsLz = 1;
  }
  sourceHandle = source;
  data = readBuffer;
  chunksRemaining = 1;
  return 1;
}

int PayloadCopier::CreateChunkOutput(const FileEntry& row, const char* output) {
  if (output[0] == '\0') return Fail(FAILURE_CANNOT_CREATE_FILE, row.name);
  const HFILE created = _lcreat(output, 0);
  if (created == HFILE_ERROR) return Fail(FAILURE_CANNOT_CREATE_FILE, row.name);
  outputHandle = created;
  CopyBounded(currentOutputPath, sizeof currentOutputPath, output);
  return 1;
}

int PayloadCopier::ReadChunk(const FileEntry& row) {
  if (sourceHandle != 0) {
    auto* buffer = reinterpret_cast<char*>(readBuffer);
    const int count = sourceIsLz ? lz.Read(sourceHandle, buffer, SOURCE_READ_PIECE)
                                 : static_cast<int>(_lread(sourceHandle, buffer, SOURCE_READ_PIECE));
    if (count < 0) return Fail(FAILURE_CANNOT_READ_FILE, row.name);
    dataLength = static_cast<uint32_t>(count);
    if (count < SOURCE_READ_PIECE) chunksRemaining = 0;
  } else {
    if (chunkResource == nullptr && !LoadChunk(row.firstResource + row.chunkCount - chunksRemaining))
      return Fail(FAILURE_INTERNAL_DATA_MISSING, row.name);
    data = static_cast<const unsigned char*>(LockResource(chunkResource));
    if (data == nullptr) return Fail(FAILURE_INTERNAL_DATA_MISSING, row.name);
    const uint32_t expected = static_cast<uint32_t>(chunksRemaining == 1 ? row.lastChunkSize : row.chunkSize);
    // Never past the resource's end: a chunk shorter than the catalogue says is written as it
    // is, and the check value finds the loss.
    dataLength = expected < chunkResourceLength ? expected : chunkResourceLength;
  }
  // The stop is asked after the chunk is written: one poll per chunk.
  return 1;
}

int PayloadCopier::WriteChunk(const FileEntry& row, const char* output) {
  // An expanding row is summed from its expanded file instead.
  if (!ExpandsAfterCopy(row)) crcRegister = Crc32Update(data, dataLength, crcRegister);
  if (dataLength != 0) {
    const UINT written = _lwrite(outputHandle, reinterpret_cast<const char*>(data), dataLength);
    if (written != dataLength) return Fail(FAILURE_CANNOT_WRITE_FILE, NameAfterLastBackslash(output));
    CreditWritten(progress, dataLength);
    ShowProgress();
  }
  if (chunkResource != nullptr) {
    ReleaseChunkResource();
    --chunksRemaining;
  }
  return ContinueUnlessStopped();
}

bool PayloadCopier::LoadChunk(int32_t resourceId) {
  if (resourceId <= 0 || resourceId > HIGHEST_RESOURCE_ID) return false;
  HRSRC found = FindResourceA(installState.instance, MAKEINTRESOURCEA(resourceId), RT_RCDATA);
  if (found == nullptr) return false;
  chunkResource = LoadResource(installState.instance, found);
  chunkResourceLength = chunkResource != nullptr ? SizeofResource(installState.instance, found) : 0;
  return chunkResource != nullptr;
}

void PayloadCopier::ReleaseChunkResource() {
  if (chunkResource != nullptr) FreeResource(chunkResource);
  chunkResource = nullptr;
  chunkResourceLength = 0;
  data = nullptr;
}

int PayloadCopier::FinishFile(const FileEntry& row, const RowPaths& paths) {
  if (!CloseChunkOutput(row)) return 0;
  if (ExpandsAfterCopy(row)) {
    if (!ExpandTemporary(row, paths.output, paths.target) || !ChecksumPass(row, paths.target)) return 0;
  } else {
    // A file source shorter than the row's size still counts the row in full.
    CreditRest(progress);
    ShowProgress();
  }
  if (row.checkValue != 0 && row.checkValue != crcRegister) return Fail(FAILURE_CHECKSUM, row.name);
  if (!ContinueUnlessStopped()) return 0;
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
  if (_lclose(closing) == HFILE_ERROR) return Fail(FAILURE_CANNOT_WRITE_FILE, row.name);
  currentOutputPath[0] = '\0';
  return 1;
}

int PayloadCopier::ExpandTemporary(const FileEntry& row, const char* temporary, const char* target) {
  ShowStep("Uncompressing:");
  // Before the target is created: without LZ32 it would be left empty.
  if (!NeedLz32(row)) return 0;
  OFSTRUCT opened;
  // OpenFile, not LZOpenFileA: when the target cannot be created, LZOpenFileA goes on to
  // create the name ending in "_" instead, and that would truncate the temporary itself.
  const HFILE expanded = target[0] != '\0' ? OpenFile(target, &opened, OF_CREATE | OF_WRITE) : HFILE_ERROR;
  if (expanded < 0) return Fail(FAILURE_CANNOT_CREATE_FILE, row.name);
  const int done = ExpandInto(row, temporary, expanded);
  _lclose(expanded);
  if (!done) return 0;
  CreditHalfOfRest(progress);
  ShowProgress();
  if (!ContinueUnlessStopped()) return 0;
  DeleteFileA(temporary);
  return ContinueUnlessStopped();
}

int PayloadCopier::ExpandInto(const FileEntry& row, const char* temporary, HFILE expanded) {
  char name[PATH_CAPACITY]; // LZOpenFileA takes a writable name
  CopyBounded(name, sizeof name, temporary);
  OFSTRUCT opened;
  const HFILE stored = lz.OpenFile(name, &opened, OF_READ);
  if (stored < 0) return Fail(FAILURE_CANNOT_UNCOMPRESS, row.name);
  // One stop check between creating the destination and the copy: nothing in between can be undone.
  int result = ContinueUnlessStopped();
  if (result && lz.Copy(stored, expanded) < 0) result = Fail(FAILURE_CANNOT_UNCOMPRESS, row.name);
  lz.Close(stored);
  return result;
}

int PayloadCopier::ChecksumPass(const FileEntry& row, const char* target) {
  ShowStep("Checksum:");
  OFSTRUCT opened;
  const HFILE file = target[0] != '\0' ? OpenFile(target, &opened, OF_READ) : HFILE_ERROR;
  if (file == HFILE_ERROR) return Fail(FAILURE_CANNOT_CALCULATE_CRC, row.name);
  UINT count;
  do {
    count = _lread(file, checksumBuffer, CHECKSUM_READ_PIECE);
    if (count != static_cast<UINT>(HFILE_ERROR)) crcRegister = Crc32Update(checksumBuffer, count, crcRegister);
  } while (count == CHECKSUM_READ_PIECE);
  _lclose(file);
  if (count == static_cast<UINT>(HFILE_ERROR)) return Fail(FAILURE_CANNOT_CALCULATE_CRC, row.name);
  ShowStep("Copying file:");
  CreditRest(progress);
  ShowProgress();
  return 1;
}

int PayloadCopier::AddFontIfOne(const FileEntry& row, const char* target) {
  if (!IsFontFileName(row.name)) return 1;
  if (target[0] != '\0' && AddFontResourceA(target) != 0) fontsAdded = 1;
  return ContinueUnlessStopped();
}

int PayloadCopier::NeedLz32(const FileEntry& row) {
  if (lz.Loaded() || lz.Load()) return 1;
  return Fail(FAILURE_CANNOT_UNCOMPRESS, row.name);
}

void PayloadCopier::CloseSource() {
  if (sourceHandle != 0) {
    if (sourceIsLz)
      lz.Close(sourceHandle);
    else
      _lclose(sourceHandle);
  }
  sourceHandle = 0;
  sourceIsLz = 0;
}
