#include "core/reader_setup.h"

#include <windows.h>

#include "core/bounded_format.h"
#include "core/install_state.h"
#include "core/path_rules.h"
#include "resource_ids.h"

namespace {
// Room for the message with any web address a translator may give it, and for the path:
// nothing is cut, and the buffers cannot overrun.
constexpr int FORMAT_CAPACITY = 1024;
constexpr int MESSAGE_CAPACITY = FORMAT_CAPACITY + PATH_CAPACITY;
} // namespace

void LaunchReaderSetup() {
  if (WinExec(READER_SETUP_PATH, SW_SHOW) < 32) {
    char format[FORMAT_CAPACITY];
    if (LoadStringA(installState.instance, IDS_READER_LAUNCH_FAILED, format, sizeof format) <= 0) format[0] = '\0';
    char message[MESSAGE_CAPACITY];
    FormatWithArgument(message, sizeof message, format, READER_SETUP_PATH);
    MessageBoxA(nullptr, message, "Error", MB_OK | MB_TASKMODAL);
  }
  // The loop ends without the frame being destroyed first.
  PostQuitMessage(0);
}
