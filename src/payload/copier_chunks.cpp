// The chunk phase of a row: its stored form written to the output, chunk by chunk.
#include "payload/payload_copier.h"

#include <lzexpand.h>

#include "core/bounded_format.h"
#include "core/error_page.h"
#include "core/install_state.h"
#include "payload/crc32.h"
#include "payload/payload_path.h"
#include "resource_ids.h"

namespace {

constexpr int32_t HIGHEST_RESOURCE_ID = 0xFFFF;

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
  if (!CheckForStop()) return 0;
  row.selected = ROW_COPY_BEGUN;
  if (!CreateChunkOutput(row, output)) return 0;
  return CheckForStop();
}

int PayloadCopier::OpenProgramDirectorySource(const FileEntry& row) {
  // Beside the program; a path that does not fit stays empty and opens nothing.
  char path[PATH_CAPACITY];
  JoinPath(path, sizeof path, {programDirectory, NameAfterLastBackslash(row.name)});
  OFSTRUCT opened;
  HFILE source = OpenFile(path, &opened, OF_READ);
  if (source == HFILE_ERROR) {
    if (!CheckForStop()) return 0;
    // Else its compressed form, expanded as it is read.
    if (!MakeCompressedName(path)) return Fail(ERROR_SOURCE_MISSING, row.name);
    source = LZOpenFileA(path, &opened, OF_READ);
    if (source < 0) return Fail(ERROR_SOURCE_MISSING, row.name);
    sourceIsLz = 1;
  }
  sourceHandle = source;
  data = readBuffer;
  chunksRemaining = 1;
  return 1;
}

int PayloadCopier::CreateChunkOutput(const FileEntry& row, const char* output) {
  if (output[0] == '\0') return Fail(ERROR_CANNOT_CREATE_FILE, row.name);
  const HFILE created = _lcreat(output, 0);
  if (created == HFILE_ERROR) return Fail(ERROR_CANNOT_CREATE_FILE, row.name);
  outputHandle = created;
  CopyBounded(currentOutputPath, sizeof currentOutputPath, output);
  return 1;
}

int PayloadCopier::ReadChunk(const FileEntry& row) {
  if (sourceHandle != 0) {
    auto* buffer = reinterpret_cast<char*>(readBuffer);
    const int count = sourceIsLz ? LZRead(sourceHandle, buffer, SOURCE_READ_PIECE)
                                 : static_cast<int>(_lread(sourceHandle, buffer, SOURCE_READ_PIECE));
    if (count < 0) return Fail(ERROR_CANNOT_READ_FILE, row.name);
    dataLength = static_cast<uint32_t>(count);
    if (count < SOURCE_READ_PIECE) chunksRemaining = 0;
  } else {
    if (chunkResource == nullptr && !LoadChunk(row.firstResource + row.chunkCount - chunksRemaining))
      return Fail(ERROR_INTERNAL_DATA_MISSING, row.name);
    data = static_cast<const unsigned char*>(LockResource(chunkResource));
    if (data == nullptr) return Fail(ERROR_INTERNAL_DATA_MISSING, row.name);
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
    if (written != dataLength) return Fail(ERROR_CANNOT_WRITE_FILE, NameAfterLastBackslash(output));
    CreditWritten(progress, dataLength);
    ShowProgress();
  }
  if (chunkResource != nullptr) {
    ReleaseChunkResource();
    --chunksRemaining;
  }
  return CheckForStop();
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
