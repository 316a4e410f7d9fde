// The local path of shell links, made here byte by byte in the layout the shell writes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "shell_link.h"

namespace {

using Bytes = std::vector<unsigned char>;

constexpr size_t HEADER_SIZE = 0x4C;
// The link information's fields, four bytes each.
enum { INFO_SIZE, INFO_HEADER, INFO_FLAGS, VOLUME_AT, LOCAL_PATH_AT, NETWORK_AT, SUFFIX_AT };

struct LinkShape {
  std::string base = "C:\\Program Files\\";
  std::string suffix = "TARN\\tarn.exe";
  std::string idList; // the flag is set when there is one
  bool hasInfo = true;
  uint32_t infoFlags = 1;
  uint32_t infoHeaderSize = 0x1C;
};

struct Link {
  Bytes bytes;
  size_t info; // where the link information starts

  uint32_t Field(int field) const {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | bytes[info + 4 * field + i];
    return value;
  }
  void SetField(int field, uint32_t value) { Put32(info + 4 * field, value); }
  void Put32(size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> 8 * i);
  }
};

void Append(Bytes& bytes, const std::string& text) { bytes.insert(bytes.end(), text.begin(), text.end()); }

Link Make(const LinkShape& shape) {
  Link link{Bytes(HEADER_SIZE), 0};
  link.Put32(0, HEADER_SIZE);
  const unsigned char linkClass[] = {1, 0x14, 2, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
  for (size_t i = 0; i < sizeof linkClass; ++i) link.bytes[4 + i] = linkClass[i];
  link.Put32(0x14, (shape.idList.empty() ? 0 : 1) | (shape.hasInfo ? 2 : 0));
  if (!shape.idList.empty()) {
    link.bytes.push_back(static_cast<unsigned char>(shape.idList.size()));
    link.bytes.push_back(static_cast<unsigned char>(shape.idList.size() >> 8));
    Append(link.bytes, shape.idList);
  }
  link.info = link.bytes.size();
  if (shape.hasInfo) {
    link.bytes.resize(link.info + shape.infoHeaderSize);
    // Volume ID: size, fixed drive, serial number, label offset, then the empty label.
    const std::string volume("\x11\0\0\0\x03\0\0\0\x78\x56\x34\x12\x10\0\0\0\0", 0x11);
    const uint32_t volumeAt = shape.infoHeaderSize;
    const uint32_t baseAt = volumeAt + static_cast<uint32_t>(volume.size());
    const uint32_t suffixAt = baseAt + static_cast<uint32_t>(shape.base.size()) + 1;
    Append(link.bytes, volume);
    Append(link.bytes, shape.base + '\0' + shape.suffix + '\0');
    link.SetField(INFO_SIZE, static_cast<uint32_t>(link.bytes.size() - link.info));
    link.SetField(INFO_HEADER, shape.infoHeaderSize);
    link.SetField(INFO_FLAGS, shape.infoFlags);
    link.SetField(VOLUME_AT, volumeAt);
    link.SetField(LOCAL_PATH_AT, baseAt);
    link.SetField(SUFFIX_AT, suffixAt);
  }
  // The closing extra data block.
  link.bytes.resize(link.bytes.size() + 4);
  return link;
}

// The path, or "" when there is none; out must then be empty too.
std::string LocalPath(const Bytes& bytes, size_t capacity = 260) {
  const Bytes exact(bytes); // no spare capacity behind the data for a read past them to land in
  std::vector<char> out(capacity + 1, '#');
  if (!ShellLinkLocalPath(exact.data(), exact.size(), out.data(), capacity)) {
    EXPECT_EQ(out[0], capacity == 0 ? '#' : '\0');
    return "";
  }
  EXPECT_EQ(out[capacity], '#') << "written past the capacity";
  EXPECT_NE(out[0], '\0') << "a path found is never empty";
  return out.data();
}

TEST(ShellLink, LocalPathIsTheBasePathFollowedByTheSuffix) {
  EXPECT_EQ(LocalPath(Make({}).bytes), "C:\\Program Files\\TARN\\tarn.exe");
  LinkShape whole;
  whole.base = "C:\\TARN\\TARN.EXE";
  whole.suffix = "";
  EXPECT_EQ(LocalPath(Make(whole).bytes), "C:\\TARN\\TARN.EXE");
  LinkShape afterIdList;
  // One item and the closing zero, longer than 255 bytes so that both bytes of its size count.
  afterIdList.idList = std::string("\x1e\x01", 2) + std::string(0x11C, 'i') + std::string(2, '\0');
  EXPECT_EQ(LocalPath(Make(afterIdList).bytes), "C:\\Program Files\\TARN\\tarn.exe");
  LinkShape unicodeHeader;
  unicodeHeader.infoHeaderSize = 0x24;
  EXPECT_EQ(LocalPath(Make(unicodeHeader).bytes), "C:\\Program Files\\TARN\\tarn.exe");
}

TEST(ShellLink, LinksWithoutALocalPathGiveNothing) {
  LinkShape noInfo;
  noInfo.hasInfo = false;
  EXPECT_EQ(LocalPath(Make(noInfo).bytes), "");
  LinkShape networkOnly;
  networkOnly.infoFlags = 2;
  EXPECT_EQ(LocalPath(Make(networkOnly).bytes), "");
  LinkShape empty;
  empty.base = empty.suffix = "";
  EXPECT_EQ(LocalPath(Make(empty).bytes), "");
}

TEST(ShellLink, DataCutShortOrNotALinkGiveNothing) {
  const Link link = Make({});
  const size_t infoEnd = link.info + link.Field(INFO_SIZE);
  for (size_t size = 0; size < infoEnd; ++size)
    EXPECT_EQ(LocalPath(Bytes(link.bytes.begin(), link.bytes.begin() + size)), "") << size << " bytes";
  EXPECT_EQ(LocalPath(Bytes(link.bytes.begin(), link.bytes.begin() + infoEnd)), "C:\\Program Files\\TARN\\tarn.exe")
      << "what follows the link information is not needed";
  Link otherSize = link;
  otherSize.bytes[0] = 0x4D;
  EXPECT_EQ(LocalPath(otherSize.bytes), "");
  Link otherClass = link;
  otherClass.bytes[19] = 0x47;
  EXPECT_EQ(LocalPath(otherClass.bytes), "");
  LinkShape withIdList;
  withIdList.idList = "ids";
  Link longIdList = Make(withIdList);
  longIdList.bytes[HEADER_SIZE] = 0xFF;
  EXPECT_EQ(LocalPath(longIdList.bytes), "") << "an ID list past the end";
}

TEST(ShellLink, LinkInformationThatContradictsItselfGivesNothing) {
  const Link link = Make({});
  const uint32_t size = link.Field(INFO_SIZE);
  const uint32_t bad[][2] = {
      {INFO_SIZE, size + 5}, {INFO_SIZE, size + 0x10000}, // past the data
      {INFO_SIZE, 0x10},     {INFO_HEADER, size + 1}, {INFO_HEADER, 0x20}, {INFO_HEADER, 0x10},
      {VOLUME_AT, size},     {VOLUME_AT, 0x18},       {LOCAL_PATH_AT, size}, {LOCAL_PATH_AT, 0},
      {SUFFIX_AT, size},     {SUFFIX_AT, 0x1B},       {NETWORK_AT, size}};
  for (const auto& [field, value] : bad) {
    Link changed = link;
    changed.SetField(static_cast<int>(field), value);
    EXPECT_EQ(LocalPath(changed.bytes), "") << "field " << field << " = " << value;
  }
  // Strings whose terminator lies outside the information, though still inside the data.
  Link suffixOpen = link;
  suffixOpen.SetField(INFO_SIZE, size - 1);
  EXPECT_EQ(LocalPath(suffixOpen.bytes), "");
  Link baseOpen = suffixOpen;
  baseOpen.SetField(LOCAL_PATH_AT, link.Field(SUFFIX_AT));
  baseOpen.SetField(SUFFIX_AT, link.Field(LOCAL_PATH_AT));
  EXPECT_EQ(LocalPath(baseOpen.bytes), "");
}

TEST(ShellLink, APathThatDoesNotFitGivesNothing) {
  const Bytes link = Make({}).bytes;
  const std::string path = "C:\\Program Files\\TARN\\tarn.exe";
  EXPECT_EQ(LocalPath(link, path.size() + 1), path);
  EXPECT_EQ(LocalPath(link, path.size()), "");
  EXPECT_EQ(LocalPath(link, 10), "") << "not even the base path fits";
  EXPECT_EQ(LocalPath(link, 0), "");
}

} // namespace
