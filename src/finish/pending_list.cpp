#include "finish/pending_list.h"

#include <cstring>

#include "core/file_rules.h"

PendingPairReader::PendingPairReader(const void* data, uint32_t size, int singles)
    : offset(0), size(size), data(static_cast<const char*>(data)), firstString(nullptr), secondString(nullptr),
      end(0), firstLength(0), secondLength(0), singles(singles) {}

uint32_t PendingPairReader::StringLengthAt(uint32_t at) const {
  for (uint32_t i = at; i < size; ++i)
    if (data[i] == '\0') return i - at + 1;
  return 0;
}

int PendingPairReader::Advance() {
  firstLength = offset < size ? StringLengthAt(offset) : 0;
  // An empty first string is the one that closes the list.
  if (firstLength <= 1) {
    end = 1;
    return 0;
  }
  firstString = data + offset;
  offset += firstLength;
  secondString = data + offset;
  if (singles) return 1;
  secondLength = offset < size ? StringLengthAt(offset) : 0;
  if (secondLength == 0) {
    end = 1;
    return 0;
  }
  offset += secondLength;
  return 1;
}

namespace {

// The short form of a path behind its prefix, into a buffer of PATH_CAPACITY. Nothing after the
// prefix names no file.
bool ShortFormAfterPrefix(const char* path, uint32_t lengthWithNul, ShortNameLookup lookup, void* context,
                          char* out) {
  if (lengthWithNul <= PENDING_PATH_PREFIX_LENGTH + 1) return false;
  out[0] = '\0';
  return lookup(path + PENDING_PATH_PREFIX_LENGTH, out, PATH_CAPACITY, context) != 0;
}

} // namespace

PendingListFilter FilterPendingList(const void* data, uint32_t size, const char* path, ShortNameLookup lookup,
                                    void* context, char* output, int singles) {
  PendingListFilter result{0, 0};
  char pathShort[PATH_CAPACITY];
  const bool pathHasShortForm =
      ShortFormAfterPrefix(path, static_cast<uint32_t>(std::strlen(path)) + 1, lookup, context, pathShort);
  char pairShort[PATH_CAPACITY];
  PendingPairReader reader(data, size, singles);
  while (reader.Advance()) {
    if (pathHasShortForm &&
        ShortFormAfterPrefix(reader.firstString, reader.firstLength, lookup, context, pairShort) &&
        EqualIgnoringCase(pathShort, pairShort)) {
      result.dropped = 1;
      continue;
    }
    std::memcpy(output + result.length, reader.firstString, reader.firstLength);
    result.length += reader.firstLength;
    std::memcpy(output + result.length, reader.secondString, reader.secondLength);
    result.length += reader.secondLength;
  }
  if (result.dropped) output[result.length++] = '\0';
  return result;
}
