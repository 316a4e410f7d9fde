#include "test_payload.h"

#include "core/install_state.h"
#include "payload/crc32.h"

namespace {

constexpr WORD PAYLOAD_LANGUAGE = 0x040B;
constexpr int LITERALS_PER_FLAG = 8;

std::string LittleEndian32(uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

std::string RunningProgram() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  return path;
}

} // namespace

std::string LiteralSzddImage(const std::string& content, char lastNameCharacter) {
  std::string image = std::string("SZDD\x88\xF0\x27\x33", 8) + 'A' + lastNameCharacter +
                      LittleEndian32(static_cast<uint32_t>(content.size()));
  for (size_t i = 0; i < content.size(); i += LITERALS_PER_FLAG) {
    image += '\xFF'; // eight literals
    image += content.substr(i, LITERALS_PER_FLAG);
  }
  return image;
}

uint32_t CheckValueOf(const std::string& content) { return Crc32Update(content.data(), content.size(), 0xFFFFFFFF); }

TestPayload::~TestPayload() {
  if (carrier != nullptr) FreeLibrary(carrier);
  installState.instance = GetModuleHandleA(nullptr);
  DeleteFileA(carrierPath.c_str());
}

size_t TestPayload::Add(const std::string& name, const std::string& content, bool compressed, int32_t chunkSize) {
  names.push_back(name);
  const std::string stored = compressed ? LiteralSzddImage(content, name.back()) : content;
  const auto storedLength = static_cast<int32_t>(stored.size());
  const int32_t chunkCount = (storedLength + chunkSize - 1) / chunkSize;
  FileEntry row{};
  row.componentKey = COMPONENT_PROGRAM;
  row.name = names.back().c_str();
  row.size = static_cast<int32_t>(content.size());
  row.checkValue = CheckValueOf(content);
  row.compressed = compressed ? 1 : 0;
  row.disk = 1;
  row.firstResource = nextResource;
  row.chunkCount = chunkCount;
  row.chunkSize = chunkSize;
  row.lastChunkSize = storedLength - chunkSize * (chunkCount - 1);
  row.selected = ROW_SELECTED;
  nextResource += chunkCount;
  rows.push_back(row);
  storedForms.push_back(stored);
  return rows.size() - 1;
}

bool TestPayload::Load() {
  if (!CopyFileA(RunningProgram().c_str(), carrierPath.c_str(), FALSE)) return false;
  HANDLE update = BeginUpdateResourceA(carrierPath.c_str(), FALSE);
  if (update == nullptr) return false;
  bool added = true;
  // The rows may already end with their terminator, which stores nothing.
  for (size_t i = 0; i < storedForms.size(); ++i) {
    const FileEntry& row = rows[i];
    // Only what the stored form holds: a row may claim more chunks than were stored.
    for (size_t offset = 0, k = 0; offset < storedForms[i].size(); offset += row.chunkSize, ++k) {
      const std::string chunk = storedForms[i].substr(offset, row.chunkSize);
      added = added && UpdateResourceA(update, RT_RCDATA, MAKEINTRESOURCEA(row.firstResource + static_cast<int32_t>(k)), PAYLOAD_LANGUAGE,
                                       const_cast<char*>(chunk.data()), static_cast<DWORD>(chunk.size()));
    }
  }
  if (!EndUpdateResourceA(update, !added) || !added) return false;
  carrier = LoadLibraryExA(carrierPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (carrier == nullptr) return false;
  installState.instance = carrier;
  return true;
}

FileEntry* TestPayload::Rows() {
  if (rows.empty() || rows.back().componentKey != COMPONENT_END) rows.push_back(FileEntry{});
  return rows.data();
}
