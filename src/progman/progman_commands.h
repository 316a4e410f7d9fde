// The command string that creates the program group and its items in the shell.
#ifndef TARN_PROGMAN_PROGMAN_COMMANDS_H
#define TARN_PROGMAN_PROGMAN_COMMANDS_H

#include <cstddef>

#include "core/catalogue_rows.h"

// The command string, terminator included, is sent in one block of at most this size.
constexpr size_t COMMANDS_CAPACITY = 8192;
// The longest group name the shell is asked about.
constexpr size_t GROUP_NAME_LIMIT = 99;

struct CommandInput {
  const char* groupName;
  const char* destination; // the installed files' directory, with or without a final backslash
  const GroupItem* items;
  const GroupItemDeletion* deletions; // may be null
  bool groupExists;
  bool helpAsChm; // the platform shows the help item's compiled help instead of tarn.hlp
};

// Writes every command into out. False, out empty, when they do not fit: a string cut short
// would leave the group half made.
bool BuildCommands(char* out, size_t capacity, const CommandInput& input);

// The command that removes the group with all its items; false, out empty, when it does not fit.
bool BuildGroupDeletion(char* out, size_t capacity, const char* groupName);

#endif
