// Reads a compiled resource file (.res): its records, and the texts in them as the ANSI
// calls of a Windows-1252 system would return them.
#ifndef TARN_TESTS_RESOURCE_FILE_H
#define TARN_TESTS_RESOURCE_FILE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A resource type or name: an ordinal, or a text when `ordinal` is 0.
struct ResourceName {
  uint16_t ordinal = 0;
  std::string text;
};

struct Resource {
  ResourceName type;
  ResourceName name;
  uint16_t language = 0;
  std::vector<uint8_t> data;
};

// Every record but the empty one that opens the file; false if the file is cut short.
bool ReadResourceFile(const std::string& path, std::vector<Resource>& resources);

// The resource of this type and name, ordinal or text, or none.
const Resource* FindResource(const std::vector<Resource>& resources, uint16_t type, uint16_t name);
const Resource* FindResource(const std::vector<Resource>& resources, uint16_t type, const std::string& name);

// Little-endian reads with bounds checks: a read past the end yields 0 and marks the reader.
class ByteReader {
 public:
  explicit ByteReader(const std::vector<uint8_t>& bytes, size_t offset = 0) : bytes_(bytes), offset_(offset) {}
  uint8_t Byte();
  uint16_t Word();
  uint32_t Dword();
  // A zero-terminated UTF-16 text, as Windows-1252 ('?' for what that code page lacks).
  std::string Text();
  // An ordinal (0xFFFF and a word) or a text, as resource names and dialog classes are stored.
  ResourceName NameOrOrdinal();
  void AlignTo(size_t boundary);
  void Skip(size_t count);
  size_t Offset() const { return offset_; }
  bool Failed() const { return failed_; }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t offset_;
  bool failed_ = false;
};

#endif
