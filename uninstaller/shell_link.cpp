#include "shell_link.h"

#include <cstdint>

#include "finish/desktop_file.h"

namespace {

constexpr uint32_t HEADER_SIZE = 0x4C;
// Every link names the shell link class (00021401-0000-0000-C000-000000000046) after its size.
const unsigned char LINK_CLASS[] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr size_t LINK_CLASS_AT = 4;
constexpr size_t LINK_FLAGS_AT = 0x14;
constexpr uint32_t HAS_ID_LIST = 0x1;
constexpr uint32_t HAS_LINK_INFO = 0x2;

// The link information's header: its size without, and with, the offsets of Unicode strings.
constexpr uint32_t INFO_HEADER_SIZE = 0x1C;
constexpr uint32_t INFO_UNICODE_HEADER_SIZE = 0x24;
constexpr uint32_t VOLUME_AND_LOCAL_PATH = 0x1;
enum InfoField { INFO_SIZE, INFO_HEADER, INFO_FLAGS, VOLUME_AT, LOCAL_PATH_AT, NETWORK_AT, SUFFIX_AT };

uint32_t Read16(const unsigned char* at) { return ReadLittle16(at); }

uint32_t Read32(const unsigned char* at) { return Read16(at) | Read16(at + 2) << 16; }

// Where the link information starts, or 0 when the data are no link or carry none.
size_t LinkInfoAt(const unsigned char* data, size_t size) {
  if (size < HEADER_SIZE || Read32(data) != HEADER_SIZE) return 0;
  for (size_t i = 0; i < sizeof LINK_CLASS; ++i)
    if (data[LINK_CLASS_AT + i] != LINK_CLASS[i]) return 0;
  const uint32_t flags = Read32(data + LINK_FLAGS_AT);
  if ((flags & HAS_LINK_INFO) == 0) return 0;
  size_t at = HEADER_SIZE;
  if ((flags & HAS_ID_LIST) != 0) {
    if (size - at < 2 || size - at - 2 < Read16(data + at)) return 0;
    at += 2 + Read16(data + at);
  }
  return at;
}

// The link information, its size already known to lie within the data.
struct LinkInfo {
  const unsigned char* bytes;
  uint32_t size;

  uint32_t Field(InfoField field) const { return Read32(bytes + 4 * field); }
  // A place after the header and inside the information.
  bool Holds(uint32_t offset) const { return offset >= Field(INFO_HEADER) && offset < size; }

  // Appends the string at offset, which must end inside the information, to the length
  // characters in out, and ends them there; false when it does not end or does not fit.
  bool Append(uint32_t offset, char* out, size_t capacity, size_t& length) const {
    for (uint32_t at = offset; at < size; ++at) {
      if (length == capacity) return false;
      out[length] = static_cast<char>(bytes[at]);
      if (bytes[at] == '\0') return true;
      ++length;
    }
    return false;
  }
};

bool Consistent(const LinkInfo& info) {
  const uint32_t header = info.Field(INFO_HEADER);
  if (header > info.size || (header != INFO_HEADER_SIZE && header < INFO_UNICODE_HEADER_SIZE)) return false;
  // The network part is not read, but an offset beyond the information still betrays bad data.
  return info.Holds(info.Field(VOLUME_AT)) && info.Holds(info.Field(LOCAL_PATH_AT)) &&
         info.Field(NETWORK_AT) < info.size && info.Holds(info.Field(SUFFIX_AT));
}

} // namespace

bool ShellLinkLocalPath(const unsigned char* data, size_t size, char* out, size_t capacity) {
  if (capacity != 0) out[0] = '\0';
  const size_t at = LinkInfoAt(data, size);
  if (at == 0 || size - at < INFO_HEADER_SIZE) return false;
  const LinkInfo info{data + at, Read32(data + at)};
  if (info.size > size - at || (info.Field(INFO_FLAGS) & VOLUME_AND_LOCAL_PATH) == 0 || !Consistent(info))
    return false;
  size_t length = 0;
  if (info.Append(info.Field(LOCAL_PATH_AT), out, capacity, length) &&
      info.Append(info.Field(SUFFIX_AT), out, capacity, length) && length != 0)
    return true;
  if (capacity != 0) out[0] = '\0';
  return false;
}
