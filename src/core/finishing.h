// The work around the end of an installation that the entry point and the frame call;
// defined by the registration subsystem above core.
#ifndef TARN_CORE_FINISHING_H
#define TARN_CORE_FINISHING_H

// Reads the environment into the desktop settings record; runs before the frame is created.
void BuildDesktopSettings();

// Runs just before the last page is created: obsolete files, the desktop file and the pending
// restart operations on the installed files. Reports no failure: always 0.
int FinishInstallation(int errorCode);

#endif
