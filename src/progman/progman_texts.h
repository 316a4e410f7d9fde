// The texts of the conversation with the shell's "PROGMAN" service: the command string that
// makes the program group and its items, and reading the two texts that the server sends (its
// list of groups and the list of one group's items). Portable: no Windows header.
#ifndef TARN_PROGMAN_PROGMAN_TEXTS_H
#define TARN_PROGMAN_PROGMAN_TEXTS_H

#include <cstddef>

#include "core/catalogue.h"

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
  bool helpAsChm; // the platform shows the help item's compiled help instead of its file
  const char* helpCaption;      // the help item, compared without regard to case; may be null
  const char* compiledHelpFile;
};

// Writes every command into out. False, out empty, when they do not fit: a string cut short
// would leave the group half made.
bool BuildCommands(char* out, size_t capacity, const CommandInput& input);

// A server's text ends at its first zero or after length characters, whichever comes first:
// the server's block need not hold a terminator.
// Item names in the server's list are cut to this many characters when read.
constexpr size_t ITEM_NAME_LIMIT = 255;

// True when the group name occurs anywhere in the list, letter case ignored. Line boundaries
// are not looked at, so "TARN" is also found in "OLDTARN".
bool GroupListNamesGroup(const char* list, size_t length, const char* groupName);

// Sets alreadyPresent on the first row of items whose caption equals, case ignored, the
// quoted name at the start of a line after the first.
void MarkPresentItems(const char* list, size_t length, GroupItem* items);

#endif
