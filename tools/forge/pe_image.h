// Stand-in Windows executables: a minimal valid PE image of an exact size, or a real program
// padded to one. The caller fills the bytes from `freeFrom` on.
#ifndef TARN_FORGE_PE_IMAGE_H
#define TARN_FORGE_PE_IMAGE_H

#include <cstddef>
#include <cstdint>
#include <vector>

enum class PeKind { PROGRAM, LIBRARY };

struct PeStandin {
  std::vector<uint8_t> bytes;
  size_t freeFrom;
};

// An i386 PE of `size` bytes (a multiple of 512, at least 1024) with one section that holds
// everything after the headers. A program's entry point is a `ret` at the section's start,
// so that it ends at once when started; a library has no entry point.
PeStandin MinimalPe(PeKind kind, size_t size);

// The program followed by an overlay (data after its last section, which the loader ignores)
// up to `size` bytes. False when the program is not a PE image or is not smaller than `size`.
bool PadProgram(const std::vector<uint8_t>& program, size_t size, PeStandin& standin);

#endif
