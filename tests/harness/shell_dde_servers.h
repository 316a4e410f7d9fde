// The shell's own DDE servers in the test prefix: Wine's desktop process (explorer) starts
// them shortly after the first program, and they would answer a "PROGMAN" initiation beside
// the scripted servers of a test. A test that needs only its own servers silences them first.
#ifndef TARN_HARNESS_SHELL_DDE_SERVERS_H
#define TARN_HARNESS_SHELL_DDE_SERVERS_H

// Waits (bounded) for the desktop process's three DDE service windows, then closes every DDE
// service window of other processes; true when none is left.
bool SilenceOtherDdeServers();

// The global atom's reference count; 0 when the table has no atom of that name.
int GlobalAtomReferences(const char* name);

#endif
