// The platform's list of file operations pending until the next restart: NUL-terminated
// strings two at a time (the file, then its new name or an empty string for a deletion),
// closed by an empty string. The list comes from outside: nothing is read past its size.
#ifndef TARN_FINISH_PENDING_LIST_H
#define TARN_FINISH_PENDING_LIST_H

#include <cstdint>

// The four characters in front of every file of the list ("\??\"), skipped unread.
constexpr uint32_t PENDING_PATH_PREFIX_LENGTH = 4;

// WININIT.INI's [rename] section, as the profile functions hand it over, has the same form with
// one string an operation ("NUL=path" deletes the path) and the same four characters before
// the path: read with singles set, each entry is a pair whose second string is empty.

// Reads the list pair by pair, never past the end of the data.
struct PendingPairReader {
  PendingPairReader(const void* data, uint32_t size, int singles = 0);
  // Moves to the next pair; 0, with end set, when there is none.
  int Advance();

  uint32_t offset; // where the next pair begins
  uint32_t size;
  const char* data;
  const char* firstString;
  const char* secondString;
  int end;
  uint32_t firstLength; // NUL included
  uint32_t secondLength; // 0 for singles
  int singles;

private:
  // Length of the string at offset with its NUL; 0 when it is not terminated within the data.
  uint32_t StringLengthAt(uint32_t at) const;
};

// Writes the short form of path into out (capacity bytes); 1 when there is one.
using ShortNameLookup = int (*)(const char* path, char* out, uint32_t capacity, void* context);

struct PendingListFilter {
  uint32_t length;  // bytes written to the output, the closing empty string included
  int dropped;      // 1 when at least one pair was dropped; only then is the output whole
};

// Copies the list to output (at least size bytes) without the pairs whose file has the same
// short form as path (both with their prefix), letter case ignored. The closing empty string
// is written only when a pair was dropped.
PendingListFilter FilterPendingList(const void* data, uint32_t size, const char* path, ShortNameLookup lookup,
                                    void* context, char* output, int singles = 0);

#endif
