// What a program's command line asks of it: to run unattended, where to install, whether to
// take a file type over from another program, and where to write a log. setup.exe and
// uninstal.exe read it alike. Portable: no Windows header.
#ifndef TARN_CORE_COMMAND_LINE_H
#define TARN_CORE_COMMAND_LINE_H

#include "core/file_rules.h"

// The switches a program may take, by their bits; any other is not understood.
enum Switches {
  SWITCH_UNATTENDED = 1,  // /S: no window, no question
  SWITCH_LOG = 2,         // /LOG=path, in quotes when it holds spaces
  SWITCH_TAKE_OVER = 4,   // /TAKEOVER: another program's file type is taken over unasked
  SWITCH_DESTINATION = 8, // /D=path: the rest of the line, spaces and all, as deployment tools write it
};

struct CommandLine {
  int switches;                    // the bits of those given
  char destination[PATH_CAPACITY]; // empty without /D=
  char logPath[PATH_CAPACITY];     // empty without /LOG=
  const char* notUnderstood;       // the line from its first word not understood on, or null

  bool Has(int bit) const { return (switches & bit) != 0; }
};

// Reads the line as the platform hands it over, the program's own name (quoted or not) first.
// A switch starts with "/" or "-" and its name may be in any letter case. The whole line is
// read even past a word that is not understood, so that a /S after it still keeps every
// window closed. A path too long for its buffer, or empty, is not understood. The record
// must start zeroed; false when a word was not understood.
bool ReadCommandLine(const char* line, int accepted, CommandLine& options);

#endif
