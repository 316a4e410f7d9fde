#include "destination/old_installation.h"

#include "core/bounded_format.h"
#include "core/install_state.h"
#include "core/path_rules.h"
#include "destination/directory_store.h"
#include "destination/existence.h"

namespace {
// Always joined with a backslash of its own: a root such as C:\ gives C:\\tarn.exe, which
// the file system accepts.
const char PROGRAM_FILE_SUFFIX[] = "\\tarn.exe";
} // namespace

int OldInstallationFound() {
  if (!installState.programChosen) return 0;
  // Room for the longest destination and the suffix: a path cut short would name another file.
  char path[PATH_CAPACITY + sizeof PROGRAM_FILE_SUFFIX];
  const size_t length = CopyBounded(path, sizeof path, GetDestinationDirectory());
  CopyBounded(path + length, sizeof path - length, PROGRAM_FILE_SUFFIX);
  return FileExists(path);
}
