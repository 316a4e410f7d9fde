// Where the copy reads and writes: beside the program, in the target directories, temporaries.
#include "core/install_state.h"
#include "destination/directory_path.h"
#include "payload/payload_copier.h"
#include "payload/payload_path.h"

namespace {
// Longer than a drive root: the Windows directory then takes a backslash before its folder.
constexpr UINT DRIVE_ROOT_LENGTH = 3;
} // namespace

const char* PayloadCopier::SourcePath(const char* name) {
  JoinPath(pathScratch, sizeof pathScratch, {programDirectory, NameAfterLastBackslash(name)});
  return pathScratch;
}

const char* PayloadCopier::TargetPath(const char* name, int32_t sharedChoice) {
  if (IsFontFileName(name)) {
    fontFlag = 1;
    char windows[PATH_CAPACITY];
    const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows) return nullptr;
    const char* separator = length > DRIVE_ROOT_LENGTH ? "\\" : "";
    const char* folder = installState.fontsInFontsFolder ? "Fonts\\" : "SYSTEM\\";
    return JoinPath(pathScratch, sizeof pathScratch, {windows, separator, folder, name}) ? pathScratch : nullptr;
  }
  fontFlag = 0;
  const char* directory = sharedChoice != 0 && sharedDirectory[0] != '\0' ? sharedDirectory : destinationDirectory;
  if (!EndsInBackslash(directory)) return nullptr;
  return JoinPath(pathScratch, sizeof pathScratch, {directory, name}) ? pathScratch : nullptr;
}

const char* PayloadCopier::CompressedName() { return MakeCompressedName(pathScratch) ? pathScratch : nullptr; }
