// The extraction engine: every selected catalogue file rebuilt from the program's resource
// chunks (or from a file beside the program), expanded, verified and stamped.
#ifndef TARN_PAYLOAD_PAYLOAD_COPIER_H
#define TARN_PAYLOAD_PAYLOAD_COPIER_H

#include <windows.h>

#include <cstdint>

#include "core/catalogue.h"
#include "core/install_state.h"
#include "payload/copy_plan.h"
#include "payload/lz32_functions.h"

// Pieces in which a file source and the checksum pass read.
constexpr int SOURCE_READ_PIECE = 8192;
constexpr int CHECKSUM_READ_PIECE = 49152;

// A row first written in its compressed form under a temporary name, then expanded from there.
inline bool ExpandsAfterCopy(const FileEntry& row) { return row.compressed == 1 && row.firstResource != 0; }

class PayloadCopier {
public:
  // Never fails; the time stamp, the total and the program directory are taken here.
  PayloadCopier(HWND pageWindow, Catalogue& catalogue);

  // Takes the destination and shared-files directories; 0 with FAILURE_CANNOT_CREATE_DIRECTORY when the latter cannot be made.
  int Prepare();
  // 1 when every selected file of disk 1 is installed, else 0 with the failure recorded.
  int CopyAll();
  // Closes what is open and announces added fonts. Called once. What an unfinished copy
  // left is the run's record's to undo.
  void Release();

  HWND ProgressBar() const { return progressBar; }
  uint32_t DoneBytes() const { return progress.doneBytes; }
  uint32_t TotalBytes() const { return progress.totalBytes; }

private:
  // Where one row goes, built once before its copy begins. An empty path names no file: the
  // row's path did not fit.
  struct RowPaths {
    char target[PATH_CAPACITY];
    // The whole file until it is checked and takes the target's name.
    char whole[PATH_CAPACITY];
    // What the chunks are written to: the whole file, or the target's compressed name for a
    // row that expands after the copy.
    char output[PATH_CAPACITY];
  };
  void PlanRow(const FileEntry& row, RowPaths& paths) const;
  // 1, the row credited, for a font that is already there: it is left untouched (it may be in use).
  int FontIsThere(const FileEntry& row, const char* target);

  // The steps of one row, in this order; each returns 1 to go on, 0 after recording an error.
  int CopyRow(FileEntry& row, const RowPaths& paths);
  int BeginFile(FileEntry& row, const RowPaths& paths);
  int ReadChunk(const FileEntry& row);
  int WriteChunk(const FileEntry& row, const char* output);
  int FinishFile(const FileEntry& row, const RowPaths& paths);

  // Parts of BeginFile and FinishFile.
  int OpenProgramDirectorySource(const FileEntry& row);
  // The record's line for the target, written before anything of the row is made.
  int RecordRow(const FileEntry& row, const char* target);
  int CreateChunkOutput(const FileEntry& row, const char* output);
  int CloseChunkOutput(const FileEntry& row);
  int ExpandTemporary(const FileEntry& row, const char* temporary, const char* target);
  int ExpandInto(const FileEntry& row, const char* temporary, HFILE expanded);
  int ChecksumPass(const FileEntry& row, const char* target);
  // The checked whole file takes the target's name; a file it replaces is kept beside it.
  int TakeName(const FileEntry& row, const RowPaths& paths);
  int AddFontIfOne(const FileEntry& row, const char* target);

  void MakeDirectories();
  // Loads the chunk resource of that id; false when the program has none.
  bool LoadChunk(int32_t resourceId);
  void ReleaseChunkResource();
  void CloseSource();
  // 1 once LZ32 is loaded; 0 with FAILURE_CANNOT_UNCOMPRESS for the row when it cannot be.
  int NeedLz32(const FileEntry& row);

  // Where a catalogue name is installed: a font in the Windows fonts folder, anything else in
  // the destination or shared-files directory. False, out empty, when the path does not fit.
  bool TargetPath(const char* name, int32_t sharedChoice, char (&out)[PATH_CAPACITY]) const;

  // 1 to go on; 0 with FAILURE_ABORTED when the user confirms a stop.
  int ContinueUnlessStopped();
  void ShowProgress();
  void ShowStep(const char* step);

  char programDirectory[PATH_CAPACITY];
  char destinationDirectory[PATH_CAPACITY];
  char sharedDirectory[PATH_CAPACITY];
  FILETIME timeStamp;
  int hasTimeStamp; // 0 when the catalogue's date is no valid calendar time
  int fontsAdded;
  int replacing; // the current row's target was there before
  HWND pageWindow;
  HWND progressBar; // looked up once: the bar is drawn after every chunk
  Catalogue& catalogue;
  Lz32Functions lz;
  // The chunk phase's file source (when the row has no chunks) and its output.
  HFILE sourceHandle;
  HFILE outputHandle;
  HGLOBAL chunkResource;
  uint32_t chunkResourceLength;
  int sourceIsLz;
  int32_t chunksRemaining;
  const unsigned char* data;
  uint32_t dataLength;
  CopyProgress progress;
  uint32_t crcRegister;
  unsigned char readBuffer[SOURCE_READ_PIECE];
  unsigned char checksumBuffer[CHECKSUM_READ_PIECE];
};

#endif
