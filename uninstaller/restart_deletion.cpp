#include "restart_deletion.h"

#include <windows.h>

#include "core/file_rules.h"
#include "wininit_text.h"

namespace {

const char WININIT_NAME[] = "WININIT.INI";
constexpr size_t MOST_PATHS = 2;
// WININIT.INI is small; a larger one is not ours to rewrite.
constexpr DWORD WININIT_LIMIT = 32768;
constexpr size_t OUTPUT_CAPACITY = WININIT_LIMIT + MOST_PATHS * (PATH_CAPACITY + 8) + 16;

// The file's text and the text that replaces it, in one block of the process heap.
struct WininitBuffers {
  char text[WININIT_LIMIT];
  char output[OUTPUT_CAPACITY];
};

bool OnWindows9x() { return (GetVersion() & 0x80000000u) != 0; }

bool DeleteAtRestartOnNt(const char* const* paths, size_t count) {
  bool recorded = true;
  for (size_t i = 0; i < count; ++i) recorded &= MoveFileExA(paths[i], nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
  return recorded;
}

// The file's text, or none when it does not exist yet; false when it cannot be read whole.
bool ReadWininit(const char* path, char* text, DWORD& length) {
  length = 0;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
  const DWORD size = GetFileSize(file, nullptr);
  const bool read = size < WININIT_LIMIT && ReadFile(file, text, size, &length, nullptr) && length == size;
  CloseHandle(file);
  return read;
}

bool WriteWininit(const char* path, const char* text, size_t length) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool whole = WriteFile(file, text, static_cast<DWORD>(length), &written, nullptr) && written == length;
  CloseHandle(file);
  return whole;
}

bool DeleteAtRestartOn9x(const char* const* paths, size_t count) {
  char shortPaths[MOST_PATHS][PATH_CAPACITY];
  const char* lines[MOST_PATHS];
  if (count > MOST_PATHS) return false;
  for (size_t i = 0; i < count; ++i) {
    const DWORD length = GetShortPathNameA(paths[i], shortPaths[i], PATH_CAPACITY);
    if (length == 0 || length >= PATH_CAPACITY) return false;
    lines[i] = shortPaths[i];
  }
  char windows[PATH_CAPACITY];
  char path[PATH_CAPACITY];
  const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
  if (length == 0 || length >= sizeof windows || !JoinDirectoryAndName(path, sizeof path, windows, WININIT_NAME))
    return false;
  auto* buffers = static_cast<WininitBuffers*>(HeapAlloc(GetProcessHeap(), 0, sizeof(WininitBuffers)));
  if (buffers == nullptr) return false;
  DWORD textLength = 0;
  bool written = false;
  if (ReadWininit(path, buffers->text, textLength)) {
    const size_t outputLength =
        AddWininitDeletions(buffers->text, textLength, lines, count, buffers->output, sizeof buffers->output);
    written = outputLength != 0 && WriteWininit(path, buffers->output, outputLength);
  }
  HeapFree(GetProcessHeap(), 0, buffers);
  return written;
}

} // namespace

bool DeleteAtRestart(const char* const* paths, size_t count) {
  return OnWindows9x() ? DeleteAtRestartOn9x(paths, count) : DeleteAtRestartOnNt(paths, count);
}
