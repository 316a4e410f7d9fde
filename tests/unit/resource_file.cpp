#include "resource_file.h"

#include "files/file_bytes.h"

namespace {

// The characters 0x80 to 0x9F of Windows-1252 are other letters in UTF-16; the resource
// texts use none of them, so they read as '?' and cannot pass a comparison by accident.
char AnsiOf(uint16_t unit) {
  return (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) ? static_cast<char>(unit) : '?';
}

bool Matches(const ResourceName& name, uint16_t ordinal) { return name.ordinal == ordinal; }
bool Matches(const ResourceName& name, const std::string& text) { return name.ordinal == 0 && name.text == text; }

template <typename Name>
const Resource* Find(const std::vector<Resource>& resources, uint16_t type, const Name& name) {
  for (const Resource& resource : resources)
    if (Matches(resource.type, type) && Matches(resource.name, name)) return &resource;
  return nullptr;
}

}  // namespace

uint8_t ByteReader::Byte() {
  if (offset_ >= bytes_.size()) {
    failed_ = true;
    return 0;
  }
  return bytes_[offset_++];
}

uint16_t ByteReader::Word() {
  const uint16_t low = Byte();
  return static_cast<uint16_t>(low | (Byte() << 8));
}

uint32_t ByteReader::Dword() {
  const uint32_t low = Word();
  return low | (static_cast<uint32_t>(Word()) << 16);
}

std::string ByteReader::Text() {
  std::string text;
  for (uint16_t unit = Word(); unit != 0 && !failed_; unit = Word()) text += AnsiOf(unit);
  return text;
}

ResourceName ByteReader::NameOrOrdinal() {
  ResourceName name;
  if (offset_ + 1 < bytes_.size() && bytes_[offset_] == 0xFF && bytes_[offset_ + 1] == 0xFF) {
    Skip(2);
    name.ordinal = Word();
  } else {
    name.text = Text();
  }
  return name;
}

void ByteReader::AlignTo(size_t boundary) { Skip((boundary - offset_ % boundary) % boundary); }

void ByteReader::Skip(size_t count) {
  if (count > bytes_.size() - offset_) failed_ = true;
  offset_ = failed_ ? bytes_.size() : offset_ + count;
}

// Each record: data size, header size, type, name, (aligned) data version, memory flags,
// language, version, characteristics, then the data, aligned to 4 bytes.
bool ReadResourceFile(const std::string& path, std::vector<Resource>& resources) {
  std::vector<uint8_t> bytes;
  if (!LoadFile(path, bytes)) return false;
  ByteReader reader(bytes);
  bool first = true;
  while (reader.Offset() < bytes.size()) {
    const size_t start = reader.Offset();
    const uint32_t dataSize = reader.Dword();
    const uint32_t headerSize = reader.Dword();
    Resource resource;
    resource.type = reader.NameOrOrdinal();
    resource.name = reader.NameOrOrdinal();
    reader.AlignTo(4);
    reader.Skip(6);
    resource.language = reader.Word();
    reader.Skip(start + headerSize - reader.Offset());
    if (reader.Failed() || dataSize > bytes.size() - reader.Offset()) return false;
    resource.data.assign(bytes.begin() + reader.Offset(), bytes.begin() + reader.Offset() + dataSize);
    reader.Skip(dataSize);
    reader.AlignTo(4);
    if (!first) resources.push_back(resource);
    first = false;
  }
  return !first;
}

const Resource* FindResource(const std::vector<Resource>& resources, uint16_t type, uint16_t name) {
  return Find(resources, type, name);
}

const Resource* FindResource(const std::vector<Resource>& resources, uint16_t type, const std::string& name) {
  return Find(resources, type, name);
}
