// The steps of one row: its stored form written chunk by chunk, then closed and stamped,
// expanded, summed, and a font added.
#include "payload/payload_copier.h"

#include "core/bounded_text.h"
#include "core/code_section.h"
#include "core/recorded_changes.h"
#include "core/system_libraries.h"
#include "payload/crc32.h"
#include "resource_ids.h"

namespace {

constexpr int32_t HIGHEST_RESOURCE_ID = 0xFFFF;

// Windows 2000 on; looked up, so that Windows 95 still runs the program.
const char CREATE_HARD_LINK[] TARN_WITH_CODE = "CreateHardLinkA";
// Kept with the code, where the read-only data's block is full.
const char UNCOMPRESSING[] TARN_WITH_CODE = "Uncompressing:";

// Sets creation, last-access and last-write time of a file open for writing; a failure
// leaves its times as they are.
void StampOpenFile(HFILE file, const FILETIME& stamp) {
  // A handle of the _l calls is a Win32 file handle.
  SetFileTime(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(file)), &stamp, &stamp, &stamp);
}

} // namespace

int PayloadCopier::BeginFile(FileEntry& row, const RowPaths& paths) {
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
  if (!RecordRow(row, paths.target) || !CreateChunkOutput(row, paths.output)) return 0;
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
    if (!MakeMarkedName(path, COMPRESSED_MARK)) return Fail(FAILURE_SOURCE_MISSING, row.name);
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

int PayloadCopier::RecordRow(const FileEntry& row, const char* target) {
  if (target[0] == '\0') return Fail(FAILURE_CANNOT_CREATE_FILE, row.name);
  replacing = GetFileAttributesA(target) != INVALID_FILE_ATTRIBUTES;
  if (!RecordChange(replacing ? RECORD_FILE_REPLACED : RECORD_FILE_CREATED, target))
    return Fail(FAILURE_CANNOT_CREATE_FILE, row.name);
  return 1;
}

int PayloadCopier::CreateChunkOutput(const FileEntry& row, const char* output) {
  if (output[0] == '\0') return Fail(FAILURE_CANNOT_CREATE_FILE, row.name);
  const HFILE created = _lcreat(output, 0);
  if (created == HFILE_ERROR) return Fail(FAILURE_CANNOT_CREATE_FILE, row.name);
  outputHandle = created;
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
  // Nothing to free: on 32-bit Windows a loaded resource is a view of the program's image.
  chunkResource = nullptr;
  chunkResourceLength = 0;
  data = nullptr;
}

int PayloadCopier::FinishFile(const FileEntry& row, const RowPaths& paths) {
  if (!CloseChunkOutput(row)) return 0;
  if (ExpandsAfterCopy(row)) {
    if (!ExpandTemporary(row, paths.output, paths.whole) || !ChecksumPass(row, paths.whole)) return 0;
  } else {
    // A file source shorter than the row's size still counts the row in full.
    CreditRest(progress);
    ShowProgress();
  }
  if (row.checkValue != 0 && row.checkValue != crcRegister) return Fail(FAILURE_CHECKSUM, row.name);
  if (!ContinueUnlessStopped() || !TakeName(row, paths)) return 0;
  return AddFontIfOne(row, paths.target);
}

int PayloadCopier::TakeName(const FileEntry& row, const RowPaths& paths) {
  if (replacing) {
    char kept[PATH_CAPACITY];
    MakeMarkedCopy(paths.target, KEPT_MARK, kept); // the target has a dot: its whole form was named
    // A second name of the old file where the system has them: the target then never goes
    // missing, as the whole file replaces it in one step. Else the old file moves aside, and
    // until the next rename the target is missing; the record brings it back.
    const auto link = AsFunction<BOOL(WINAPI*)(LPCSTR, LPCSTR, LPSECURITY_ATTRIBUTES)>(
        GetProcAddress(GetModuleHandleA("KERNEL32"), CREATE_HARD_LINK));
    if (!(link != nullptr && link(kept, paths.target, nullptr)) && !MoveFileA(paths.target, kept))
      return Fail(FAILURE_CANNOT_CREATE_FILE, row.name);
  }
  // Windows 95, 98 and Me have no replacing rename; there the target has moved aside.
  if (!MoveFileExA(paths.whole, paths.target, MOVEFILE_REPLACE_EXISTING) && !MoveFileA(paths.whole, paths.target))
    return Fail(FAILURE_CANNOT_CREATE_FILE, row.name);
  return 1;
}

int PayloadCopier::CloseChunkOutput(const FileEntry& row) {
  // A row of no chunks leaves its first resource loaded; the next row must not inherit it.
  ReleaseChunkResource();
  CloseSource();
  const HFILE closing = outputHandle;
  outputHandle = 0;
  // Stamped through the handle that wrote it rather than opened again.
  if (hasTimeStamp) StampOpenFile(closing, timeStamp);
  if (_lclose(closing) == HFILE_ERROR) return Fail(FAILURE_CANNOT_WRITE_FILE, row.name);
  return 1;
}

int PayloadCopier::ExpandTemporary(const FileEntry& row, const char* temporary, const char* target) {
  ShowStep(UNCOMPRESSING);
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
