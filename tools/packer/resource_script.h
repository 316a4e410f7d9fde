// The payload's resources: stored forms cut into chunk files, and the resource script that
// makes RCDATA resources of them.
#ifndef TARN_PACKER_RESOURCE_SCRIPT_H
#define TARN_PACKER_RESOURCE_SCRIPT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct Chunk {
  int32_t id;
  std::vector<uint8_t> bytes;
};

// Pieces of `chunkSize` bytes and a last one of the rest, ids counting up from `firstId`.
std::vector<Chunk> CutIntoChunks(const std::vector<uint8_t>& stored, int32_t firstId, size_t chunkSize);

// The name of a chunk's file in the folder that the script reads.
std::string ChunkFileName(int32_t id);

// RCDATA statements for the chunks' files in `folder`, in the language of every resource of
// setup.exe (0x040B). False when the folder's path cannot be written in a resource script.
bool WriteResourceScript(const std::vector<int32_t>& ids, const std::string& folder, std::string& script);

#endif
