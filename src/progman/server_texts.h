// Reading the two texts that the shell's DDE server sends: its list of groups and the list of
// one group's items. A text ends at its first zero or after length characters, whichever
// comes first: the server's block need not hold a terminator.
#ifndef TARN_PROGMAN_SERVER_TEXTS_H
#define TARN_PROGMAN_SERVER_TEXTS_H

#include <cstddef>

#include "core/catalogue_rows.h"

// Item names in the server's list are cut to this many characters when read.
constexpr size_t ITEM_NAME_LIMIT = 255;

// True when the group name occurs anywhere in the list, letter case ignored. Line boundaries
// are not looked at, so "TARN" is also found in "OLDTARN".
bool GroupListNamesGroup(const char* list, size_t length, const char* groupName);

// Sets alreadyPresent on the first row of items whose caption equals, case ignored, the
// quoted name at the start of a line after the first.
void MarkPresentItems(const char* list, size_t length, GroupItem* items);

#endif
