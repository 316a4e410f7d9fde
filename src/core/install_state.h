// The process-wide values that the parts of the Installer share, and their one reset. One
// thread, no locks.
#ifndef TARN_CORE_INSTALL_STATE_H
#define TARN_CORE_INSTALL_STATE_H

#include <windows.h>

#include "core/catalogue.h"
#include "core/command_line.h"
#include "core/file_rules.h"
#include "core/page_sequence.h"

// What an installation can fail on; the error page shows string IDS_ERROR_BASE + code. The code
// is the program's exit code too.
enum FailureCode {
  NO_FAILURE = 0,
  FAILURE_SOURCE_MISSING = 1,
  FAILURE_INTERNAL_DATA_MISSING = 2,
  FAILURE_CANNOT_CREATE_FILE = 3,
  FAILURE_CANNOT_READ_FILE = 4,
  FAILURE_CANNOT_WRITE_FILE = 5,
  FAILURE_WRONG_FILE_SIZE = 6,
  FAILURE_CHECKSUM = 7,
  FAILURE_CANNOT_CALCULATE_CRC = 8,
  FAILURE_CANNOT_UNCOMPRESS = 9,
  FAILURE_ABORTED = 10,
  FAILURE_CANNOT_CREATE_DIRECTORY = 11,
  FAILURE_CANNOT_CREATE_REGISTRY_ENTRY = 12,
  FAILURE_GROUPS_NOT_CREATED = 13,
  // Only where no person can choose another way: unattended, or before any window opens.
  FAILURE_NOT_ENOUGH_SPACE = 14,
  FAILURE_COMMAND_LINE = 15,
  FAILURE_UNSUPPORTED_PLATFORM = 16,
};

// The argument is copied; a longer one is cut, so the message buffer never overruns.
constexpr size_t FAILURE_ARGUMENT_CAPACITY = 1024;
// A message from a string resource: room for the longest text a translator may give it and
// the longest argument, so that nothing is ever cut.
constexpr size_t MESSAGE_FORMAT_CAPACITY = 1024;
constexpr size_t MESSAGE_CAPACITY = MESSAGE_FORMAT_CAPACITY + FAILURE_ARGUMENT_CAPACITY;

// A failure to report: its code and the file or directory it names.
struct FailureRecord {
  int code;
  char argument[FAILURE_ARGUMENT_CAPACITY];

  // The file or directory named, or null.
  const char* Argument() const { return argument[0] != '\0' ? argument : nullptr; }
};

struct InstallState {
  HINSTANCE instance;
  HWND mainWindow;
  HWND currentPage;
  HFONT boldFont;
  HFONT ownBoldFont; // the bold font when made here rather than borrowed from the frame
  PageSequence pageSequence;
  int pagePosition;
  FailureRecord failure; // the run's one failure, written only by Fail
  int stopRequested;
  // What Exit does instead of ending the program, set by a page (the finish page's offer).
  void (*exitAction)();
  int platformUnsupported;
  int fontsInFontsFolder;
  int programChosen;
  int databaseChosen;
  int replaceChosen; // the replace page's answer, kept across visits; Next needs it
  int recordLines;   // lines of the run's record written so far; 0 when it has none
  int registryDone;  // files and registry are in place: from the icons page on they stay, however the run ends
  char destinationDirectory[PATH_CAPACITY];
  char sharedDirectory[PATH_CAPACITY];
  CommandLine commandLine;
  SectorSize sectorSize; // of the drive whose free space was queried last
  char lastTypedDrive;           // the drive whose free space the destination page showed last
  Catalogue catalogue;
};

extern InstallState installState;

// Records the run's failure (the argument copied, a longer one cut) and returns 0, so that a
// step ends with "return Fail(...)". The error page, the exit code and the log read it.
int Fail(int code, const char* argument = nullptr);

// Every value back to the start of a run, the page sequence and a bold font of an earlier run
// released: called by the entry function before the frame opens, and by the tests.
void ResetInstallState(HINSTANCE instance);

#endif
