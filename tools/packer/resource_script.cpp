#include "packer/resource_script.h"

std::vector<Chunk> CutIntoChunks(const std::vector<uint8_t>& stored, int32_t firstId, size_t chunkSize) {
  std::vector<Chunk> chunks;
  for (size_t at = 0; at < stored.size(); at += chunkSize) {
    const size_t end = at + chunkSize < stored.size() ? at + chunkSize : stored.size();
    chunks.push_back(Chunk{firstId++, std::vector<uint8_t>(stored.begin() + static_cast<std::ptrdiff_t>(at),
                                                           stored.begin() + static_cast<std::ptrdiff_t>(end))});
  }
  return chunks;
}

std::string ChunkFileName(int32_t id) { return "chunk" + std::to_string(id) + ".bin"; }

bool WriteResourceScript(const std::vector<int32_t>& ids, const std::string& folder, std::string& script) {
  // A resource script's strings take backslashes as escapes, and a quote would end them.
  if (folder.find_first_of("\"\\") != std::string::npos) return false;
  script = "// The payload chunks, made by the packer from the stored forms of the stand-ins.\n"
           "LANGUAGE 0x0B, 0x01\n";
  for (int32_t id : ids) script += std::to_string(id) + " RCDATA \"" + folder + "/" + ChunkFileName(id) + "\"\n";
  return true;
}
