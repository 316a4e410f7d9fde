// Deleting a key with everything below it.
#ifndef TARN_REGISTRATION_DELETE_KEY_TREE_H
#define TARN_REGISTRATION_DELETE_KEY_TREE_H

#include <windows.h>

// 1 when the named key and every key below it were deleted, else 0. A subkey that stays is
// stepped past, so its siblings still go; one whose name does not fit the enumeration buffer
// ends the walk.
int DeleteKeyTree(HKEY parent, const char* name);

#endif
