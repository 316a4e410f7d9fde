#include "packer/row_text.h"

#include <cstdio>

std::string RowInitialiser(const FileEntry& row) {
  char line[200];
  std::snprintf(line, sizeof line, "    File(\"%s\", %d, 0x%08X, %d, %d, %d, %d),\n", row.name, row.size,
                row.checkValue, row.compressed, row.firstResource, row.chunkCount, row.lastChunkSize);
  return line;
}
