// libmspack reads and writes through an mspack_system; this one serves memory buffers,
// named by the address that is handed in as the file name.
#include <mspack.h>

#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "reference_expanders.h"
#include "szdd/szdd_format.h"

namespace {

struct MemoryFile {
  const uint8_t* bytes;
  uint8_t* writable; // null for the input
  size_t length;     // of the input; the capacity of the output
  size_t position;
};

MemoryFile* Of(mspack_file* file) { return reinterpret_cast<MemoryFile*>(file); }

mspack_file* Open(mspack_system*, const char* name, int) {
  auto* file = reinterpret_cast<MemoryFile*>(const_cast<char*>(name));
  file->position = 0;
  return reinterpret_cast<mspack_file*>(file);
}

void Close(mspack_file*) {}

int Read(mspack_file* handle, void* buffer, int bytes) {
  MemoryFile* file = Of(handle);
  const size_t left = file->length - file->position;
  const size_t count = static_cast<size_t>(bytes) < left ? static_cast<size_t>(bytes) : left;
  if (count != 0) std::memcpy(buffer, file->bytes + file->position, count);
  file->position += count;
  return static_cast<int>(count);
}

// Bytes past the capacity are taken and dropped, as the header's length drops them.
int Write(mspack_file* handle, void* buffer, int bytes) {
  MemoryFile* file = Of(handle);
  const size_t left = file->position < file->length ? file->length - file->position : 0;
  const size_t count = static_cast<size_t>(bytes) < left ? static_cast<size_t>(bytes) : left;
  if (count != 0) std::memcpy(file->writable + file->position, buffer, count);
  file->position += static_cast<size_t>(bytes);
  return bytes;
}

int Seek(mspack_file* handle, off_t offset, int mode) {
  MemoryFile* file = Of(handle);
  const off_t base = mode == MSPACK_SYS_SEEK_START ? 0
                     : mode == MSPACK_SYS_SEEK_CUR ? static_cast<off_t>(file->position)
                                                   : static_cast<off_t>(file->length);
  const off_t target = base + offset;
  if (target < 0 || target > static_cast<off_t>(file->length)) return -1;
  file->position = static_cast<size_t>(target);
  return 0;
}

off_t Tell(mspack_file* handle) { return static_cast<off_t>(Of(handle)->position); }
void Message(mspack_file*, const char*, ...) {}
void* Allocate(mspack_system*, size_t bytes) { return std::malloc(bytes); }
void Free(void* memory) { std::free(memory); }
void Copy(void* from, void* to, size_t bytes) { std::memmove(to, from, bytes); }

mspack_system memorySystem = {Open, Close, Read, Write, Seek, Tell, Message, Allocate, Free, Copy, nullptr};

} // namespace

long ExpandWithLibmspack(const Bytes& image, uint8_t* output, size_t capacity) {
  MemoryFile in{image.data(), nullptr, image.size(), 0};
  MemoryFile out{output, output, capacity, 0};
  msszdd_decompressor* decompressor = mspack_create_szdd_decompressor(&memorySystem);
  const int error = decompressor->decompress(decompressor, reinterpret_cast<const char*>(&in),
                                             reinterpret_cast<const char*>(&out));
  mspack_destroy_szdd_decompressor(decompressor);
  if (error != MSPACK_ERR_OK) return -1;
  return static_cast<long>(out.position < capacity ? out.position : capacity);
}

Bytes ExpandWithLibmspack(const Bytes& image) {
  SzddHeader header{};
  if (!ReadSzddHeader(image.data(), image.size(), header)) return Bytes{};
  Bytes output(header.expandedLength);
  const long written = ExpandWithLibmspack(image, output.data(), output.size());
  if (written < 0) {
    const char failed[] = "(libmspack failed)";
    return Bytes(failed, failed + sizeof failed - 1);
  }
  output.resize(static_cast<size_t>(written));
  return output;
}
