// Where the copy writes: the target directories, fonts, temporaries.
#include "core/bounded_format.h"
#include "core/install_state.h"
#include "payload/payload_copier.h"
#include "payload/payload_path.h"

namespace {
// Longer than a drive root: the Windows directory then takes a backslash before its folder.
constexpr UINT DRIVE_ROOT_LENGTH = 3;
} // namespace

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
  CopyBounded(paths.output, sizeof paths.output, paths.target);
  // A target without a compressed name leaves the output empty: no file is made for it.
  if (ExpandsAfterCopy(row) && !MakeCompressedName(paths.output)) paths.output[0] = '\0';
}
