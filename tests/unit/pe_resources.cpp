#include "pe_resources.h"

namespace {

constexpr uint32_t SUBDIRECTORY = 0x80000000u;
constexpr uint32_t NAMED = 0x80000000u;
constexpr int LEVELS = 3; // type, name, language

struct Section {
  uint32_t rva;
  uint32_t size;
  uint32_t fileOffset;
};

class PeImage {
public:
  explicit PeImage(const std::vector<uint8_t>& bytes) : bytes(bytes) {}

  bool Open() {
    ByteReader dos(bytes, 0x3C);
    const uint32_t pe = dos.Dword();
    ByteReader header(bytes, pe);
    if (bytes.size() < 2 || bytes[0] != 'M' || bytes[1] != 'Z' || header.Dword() != 0x00004550u) return false;
    header.Skip(2);
    const uint16_t sectionCount = header.Word();
    header.Skip(12);
    const uint16_t optionalSize = header.Word();
    header.Skip(2);
    const size_t optional = header.Offset();
    const uint16_t magic = header.Word();
    // The resource table is the third data directory.
    ByteReader directory(bytes, optional + (magic == 0x20B ? 112 : 96) + 2 * 8);
    resourceRva = directory.Dword();
    ByteReader table(bytes, optional + optionalSize);
    for (uint16_t i = 0; i < sectionCount; ++i) {
      table.Skip(8);
      const uint32_t virtualSize = table.Dword();
      const uint32_t rva = table.Dword();
      const uint32_t rawSize = table.Dword();
      sections.push_back(Section{rva, virtualSize > rawSize ? virtualSize : rawSize, table.Dword()});
      table.Skip(16);
    }
    return !header.Failed() && !directory.Failed() && !table.Failed();
  }

  bool Resources(std::vector<Resource>& resources) const {
    if (resourceRva == 0) return true;
    size_t root = 0;
    if (!Offset(resourceRva, root)) return false;
    Resource path;
    return Walk(root, root, 0, path, resources);
  }

private:
  bool Offset(uint32_t rva, size_t& offset) const {
    for (const Section& s : sections) {
      if (rva >= s.rva && rva - s.rva < s.size) {
        offset = s.fileOffset + (rva - s.rva);
        return offset < bytes.size();
      }
    }
    return false;
  }

  ResourceName NameAt(size_t root, uint32_t id) const {
    ResourceName name;
    if ((id & NAMED) == 0) {
      name.ordinal = static_cast<uint16_t>(id);
      return name;
    }
    ByteReader text(bytes, root + (id & ~NAMED));
    for (uint16_t length = text.Word(); length > 0 && !text.Failed(); --length) name.text += static_cast<char>(text.Word());
    return name;
  }

  bool Walk(size_t root, size_t at, int level, Resource& path, std::vector<Resource>& out) const {
    if (level == LEVELS) return Leaf(at, path, out);
    ByteReader table(bytes, at + 12);
    const uint32_t entries = table.Word() + static_cast<uint32_t>(table.Word());
    for (uint32_t i = 0; i < entries && !table.Failed(); ++i) {
      const uint32_t id = table.Dword();
      const uint32_t target = table.Dword();
      // Only the language level leads to data; the others lead to tables.
      if (((target & SUBDIRECTORY) != 0) == (level == LEVELS - 1)) return false;
      if (level == 0) path.type = NameAt(root, id);
      if (level == 1) path.name = NameAt(root, id);
      if (level == 2) path.language = static_cast<uint16_t>(id);
      if (!Walk(root, root + (target & ~SUBDIRECTORY), level + 1, path, out)) return false;
    }
    return !table.Failed();
  }

  bool Leaf(size_t at, const Resource& path, std::vector<Resource>& out) const {
    ByteReader entry(bytes, at);
    const uint32_t rva = entry.Dword();
    const uint32_t size = entry.Dword();
    size_t offset = 0;
    if (entry.Failed() || !Offset(rva, offset) || size > bytes.size() - offset) return false;
    Resource resource = path;
    resource.data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                         bytes.begin() + static_cast<std::ptrdiff_t>(offset + size));
    out.push_back(resource);
    return true;
  }

  const std::vector<uint8_t>& bytes;
  std::vector<Section> sections;
  uint32_t resourceRva = 0;
};

} // namespace

bool ReadPeResources(const std::vector<uint8_t>& image, std::vector<Resource>& resources) {
  PeImage pe(image);
  return pe.Open() && pe.Resources(resources);
}
