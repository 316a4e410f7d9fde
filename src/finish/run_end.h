// The end of a run that has a record: undone, everything it changed put back, or completed,
// the copies it kept of replaced files deleted. setup.exe ends its own run so, and first any
// run that was killed; the uninstaller ends a killed run before it looks at what is installed.
#ifndef TARN_FINISH_RUN_END_H
#define TARN_FINISH_RUN_END_H

enum RunEnd { UNDO_RUN, COMPLETE_RUN };

// Goes through the record below HKEY_LOCAL_MACHINE from its last line back, then deletes it.
// Every step can be taken again: a run ended while it was being undone is undone again in
// full. False when there is no record.
bool EndRecordedRun(const char* recordKey, RunEnd end);

// Whether the record says that its run created the file at this path.
bool RunCreated(const char* recordKey, const char* path);

#endif
