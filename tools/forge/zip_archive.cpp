#include "forge/zip_archive.h"

#include "payload/crc32.h"

namespace {

constexpr size_t LOCAL_HEADER_SIZE = 30;
constexpr size_t CENTRAL_HEADER_SIZE = 46;
constexpr size_t END_RECORD_SIZE = 22;
// 6 May 2010, 12:03:00: the catalogue's own time stamp.
constexpr uint16_t DOS_TIME = (12 << 11) | (3 << 5);
constexpr uint16_t DOS_DATE = ((2010 - 1980) << 9) | (5 << 5) | 6;
constexpr uint16_t VERSION_NEEDED = 10;

class Appender {
public:
  explicit Appender(std::vector<uint8_t>& out) : out(out) {}
  void Word(uint32_t value) { Put(value, 2); }
  void Dword(uint32_t value) { Put(value, 4); }
  void Text(const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

private:
  void Put(uint32_t value, size_t count) {
    for (size_t i = 0; i < count; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
  std::vector<uint8_t>& out;
};

// The fields that the local and the central header share, from "version needed" to the
// extra field's length.
void CommonFields(Appender& a, const ZipMember& member) {
  const auto size = static_cast<uint32_t>(member.content.size());
  a.Word(VERSION_NEEDED);
  a.Word(0); // flags
  a.Word(0); // stored
  a.Word(DOS_TIME);
  a.Word(DOS_DATE);
  a.Dword(~Crc32Update(member.content.data(), member.content.size(), CRC32_START));
  a.Dword(size);
  a.Dword(size);
  a.Word(static_cast<uint32_t>(member.name.size()));
  a.Word(0); // extra field
}

} // namespace

std::vector<uint8_t> WriteStoredZip(const std::vector<ZipMember>& members, const std::string& comment) {
  std::vector<uint8_t> out;
  Appender a(out);
  std::vector<uint32_t> offsets;
  for (const ZipMember& member : members) {
    offsets.push_back(static_cast<uint32_t>(out.size()));
    a.Dword(0x04034B50);
    CommonFields(a, member);
    a.Text(member.name);
    out.insert(out.end(), member.content.begin(), member.content.end());
  }
  const auto directoryStart = static_cast<uint32_t>(out.size());
  for (size_t i = 0; i < members.size(); ++i) {
    a.Dword(0x02014B50);
    a.Word(VERSION_NEEDED); // made by
    CommonFields(a, members[i]);
    a.Word(0); // comment
    a.Word(0); // disk
    a.Word(0); // internal attributes
    a.Dword(0); // external attributes
    a.Dword(offsets[i]);
    a.Text(members[i].name);
  }
  const auto directorySize = static_cast<uint32_t>(out.size()) - directoryStart;
  a.Dword(0x06054B50);
  a.Word(0);
  a.Word(0);
  a.Word(static_cast<uint32_t>(members.size()));
  a.Word(static_cast<uint32_t>(members.size()));
  a.Dword(directorySize);
  a.Dword(directoryStart);
  a.Word(static_cast<uint32_t>(comment.size()));
  a.Text(comment);
  return out;
}

size_t StoredZipOverhead(const std::vector<std::string>& names) {
  size_t overhead = END_RECORD_SIZE;
  for (const std::string& name : names) overhead += LOCAL_HEADER_SIZE + CENTRAL_HEADER_SIZE + 2 * name.size();
  return overhead;
}
