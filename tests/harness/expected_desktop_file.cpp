#include "expected_desktop_file.h"

#include <cstdint>

namespace {

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// NUL-terminated and zero-filled to the width, cut to width - 1 characters.
void PutText(std::string& out, std::string text, size_t width, bool forwardSlashes) {
  if (text.size() > width - 1) text.resize(width - 1);
  if (forwardSlashes)
    for (char& c : text)
      if (c == '\\') c = '/';
  out += text;
  out.append(width - text.size(), '\0');
}

std::string SettingsRecord(const char* library, const char* temporary) {
  const std::string lib = library != nullptr ? library : "D:\\.";
  const std::string temp = temporary != nullptr ? temporary : "C:\\TEMP";
  std::string record;
  for (uint32_t number : {3u, 0u, 0u, 0u, 0u, 3u, 1u}) Put32(record, number);
  PutText(record, lib, 256, true);
  PutText(record, "subsyst.conf", 256, false);
  PutText(record, lib, 256, false);
  PutText(record, temp, 220, true);
  record.append(40, '\0');
  for (uint32_t number : {100u, 0x80000000u, 0x80000000u, 0u, 0u, 0u}) Put32(record, number);
  return record;
}

} // namespace

std::string ExpectedDesktopFile(const char* library, const char* temporary) {
  const std::string record = SettingsRecord(library, temporary);
  std::string file = "DSK";
  file += '\x07';
  file += std::string("TARN32A\0", 8);
  Put16(file, 0x1203);
  Put16(file, 4 + record.size() + 2);
  Put16(file, 560);
  Put16(file, 4 + record.size());
  file += record;
  Put16(file, 0);
  return file;
}
