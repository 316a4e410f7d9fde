#include "files/file_bytes.h"

#include <fstream>
#include <iterator>

bool LoadFile(const std::string& path, std::vector<uint8_t>& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}

namespace {

bool WriteRaw(const std::string& path, const char* data, size_t length) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(data, static_cast<std::streamsize>(length));
  file.close();
  return static_cast<bool>(file);
}

} // namespace

bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  return WriteRaw(path, reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

bool SaveText(const std::string& path, const std::string& text) { return WriteRaw(path, text.data(), text.size()); }

bool SaveFileIfChanged(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::vector<uint8_t> held;
  return (LoadFile(path, held) && held == bytes) || SaveFile(path, bytes);
}
