// A ZIP archive whose members are stored (method 0), as the raw row of the payload is one.
#ifndef TARN_FORGE_ZIP_ARCHIVE_H
#define TARN_FORGE_ZIP_ARCHIVE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ZipMember {
  std::string name;
  std::vector<uint8_t> content;
};

// Local headers and contents, the central directory, then the end record with `comment`.
// Every member carries the same DOS time stamp and its right CRC-32.
std::vector<uint8_t> WriteStoredZip(const std::vector<ZipMember>& members, const std::string& comment);

// The bytes that an archive of members with these names adds to their contents, without
// the comment.
size_t StoredZipOverhead(const std::vector<std::string>& names);

#endif
