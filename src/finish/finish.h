// The end of an installation: the finishing step just before the last page (obsolete files,
// the desktop file, the pending restart operations on the installed files), and the last page
// "READYDLG" with its offer to start the document reader's setup.
#ifndef TARN_FINISH_FINISH_H
#define TARN_FINISH_FINISH_H

#include <windows.h>

#include <cstdint>

#include "finish/desktop_file.h"

// Runs just before the last page is made. Obsolete files go only when nothing failed. Reports
// no failure: what it cannot do is simply left undone.
void FinishInstallation(int failureCode);

// Takes back the restart operations of earlier days on the installed uninstaller, the files
// guarded with it and the destination directory: the platform's pending list, and WININIT.INI's
// deletions on Windows 95, 98 and Me. Run whenever files were installed, however the run ends.
void TakeBackRestartOperations();

// Reads "TARNWIN_LIB" and "TEMP" from the environment, whatever their lengths, into the record.
void ReadDesktopSettings(DesktopSettings& settings);

// Saves a desktop file in the destination holding only the desktop settings item, unless a file
// or directory of that name is there already. Failures are not reported: the file is then
// simply missing.
void CreateDesktopFile(const char* fileName, const char* name, uint16_t version);

// Removes from the platform's list of operations pending until the next restart every
// operation on the file or directory that path names behind its "\??\" prefix, compared by
// short names, so only while it exists. 1 when the list was rewritten; every failure leaves it
// as it was and gives 0.
int RemovePendingOperations(const char* path);

INT_PTR CALLBACK FinishPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Starts the catalogue's reader setup, tells the user when it cannot be started, and ends the
// program.
void LaunchReaderSetup();

#endif
