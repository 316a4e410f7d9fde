// The process-wide values that the parts of the Installer share. One thread, no locks.
#ifndef TARN_CORE_INSTALL_STATE_H
#define TARN_CORE_INSTALL_STATE_H

#include <windows.h>

#include "core/catalogue.h"
#include "core/page_sequence.h"

// The error argument is copied; a longer one is cut, so the message buffer never overruns.
constexpr int ERROR_ARGUMENT_CAPACITY = 1024;

struct InstallState {
  HINSTANCE instance;
  HWND mainWindow;
  HWND currentPage;
  HFONT boldFont;
  PageSequence pageSequence;
  int pagePosition;
  int errorCode;
  const char* errorArgument; // null, or errorArgumentText
  char errorArgumentText[ERROR_ARGUMENT_CAPACITY];
  int stopRequested;
  int startReaderOnFinish;
  int platformUnsupported;
  int fontsInFontsFolder;
  int programChosen;
  int databaseChosen;
  Catalogue catalogue;
};

extern InstallState installState;

#endif
