#include "forge/pe_image.h"

#include <cstring>

namespace {

constexpr size_t FILE_ALIGNMENT = 0x200;
constexpr uint32_t SECTION_ALIGNMENT = 0x1000;
constexpr size_t PE_OFFSET = 0x40;
constexpr size_t COFF_SIZE = 20;
constexpr size_t OPTIONAL_SIZE = 0xE0;
constexpr size_t OPTIONAL_OFFSET = PE_OFFSET + 4 + COFF_SIZE;
constexpr size_t SECTION_TABLE_OFFSET = OPTIONAL_OFFSET + OPTIONAL_SIZE;
constexpr uint32_t SECTION_RVA = SECTION_ALIGNMENT;
constexpr uint8_t RET_INSTRUCTION = 0xC3;

class Writer {
public:
  explicit Writer(std::vector<uint8_t>& bytes) : bytes(bytes) {}
  void Word(size_t at, uint16_t value) { Put(at, value, 2); }
  void Dword(size_t at, uint32_t value) { Put(at, value, 4); }

private:
  void Put(size_t at, uint32_t value, size_t count) {
    for (size_t i = 0; i < count; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
  }
  std::vector<uint8_t>& bytes;
};

uint32_t AlignedUp(uint32_t value, uint32_t alignment) { return (value + alignment - 1) / alignment * alignment; }

void WriteHeaders(Writer& w, std::vector<uint8_t>& bytes, PeKind kind) {
  bytes[0] = 'M';
  bytes[1] = 'Z';
  w.Dword(0x3C, PE_OFFSET);
  std::memcpy(&bytes[PE_OFFSET], "PE\0\0", 4);
  const size_t coff = PE_OFFSET + 4;
  w.Word(coff + 0, 0x014C); // i386
  w.Word(coff + 2, 1);      // sections
  w.Word(coff + 16, OPTIONAL_SIZE);
  // an executable image for a 32-bit machine; a library besides
  w.Word(coff + 18, static_cast<uint16_t>(0x0102 | (kind == PeKind::LIBRARY ? 0x2000 : 0)));
}

void WriteOptionalHeader(Writer& w, PeKind kind, uint32_t sectionSize) {
  const size_t o = OPTIONAL_OFFSET;
  w.Word(o + 0, 0x010B); // PE32
  w.Dword(o + 4, sectionSize);
  w.Dword(o + 16, kind == PeKind::PROGRAM ? SECTION_RVA : 0);
  w.Dword(o + 20, SECTION_RVA);
  w.Dword(o + 28, kind == PeKind::PROGRAM ? 0x00400000 : 0x10000000);
  w.Dword(o + 32, SECTION_ALIGNMENT);
  w.Dword(o + 36, FILE_ALIGNMENT);
  w.Word(o + 40, 4); // operating system 4.0
  w.Word(o + 48, 4); // subsystem 4.0
  w.Dword(o + 56, SECTION_RVA + AlignedUp(sectionSize, SECTION_ALIGNMENT));
  w.Dword(o + 60, FILE_ALIGNMENT);
  w.Word(o + 68, 2); // Windows GUI
  w.Dword(o + 72, 0x00100000);
  w.Dword(o + 76, 0x1000);
  w.Dword(o + 80, 0x00100000);
  w.Dword(o + 84, 0x1000);
  w.Dword(o + 92, 16); // data directories, all empty
}

void WriteSection(Writer& w, std::vector<uint8_t>& bytes, uint32_t sectionSize) {
  const size_t s = SECTION_TABLE_OFFSET;
  std::memcpy(&bytes[s], ".text", 5);
  w.Dword(s + 8, sectionSize);
  w.Dword(s + 12, SECTION_RVA);
  w.Dword(s + 16, sectionSize);
  w.Dword(s + 20, FILE_ALIGNMENT);
  w.Dword(s + 36, 0x60000020); // code, executable, readable
}

bool IsPe(const std::vector<uint8_t>& image) {
  if (image.size() < PE_OFFSET || image[0] != 'M' || image[1] != 'Z') return false;
  size_t at = 0;
  for (size_t i = 0; i < 4; ++i) at |= static_cast<size_t>(image[0x3C + i]) << (8 * i);
  return at + 4 <= image.size() && std::memcmp(&image[at], "PE\0\0", 4) == 0;
}

} // namespace

PeStandin MinimalPe(PeKind kind, size_t size) {
  PeStandin standin{std::vector<uint8_t>(size), FILE_ALIGNMENT};
  Writer w(standin.bytes);
  const auto sectionSize = static_cast<uint32_t>(size - FILE_ALIGNMENT);
  WriteHeaders(w, standin.bytes, kind);
  WriteOptionalHeader(w, kind, sectionSize);
  WriteSection(w, standin.bytes, sectionSize);
  if (kind == PeKind::PROGRAM) standin.bytes[standin.freeFrom++] = RET_INSTRUCTION;
  return standin;
}

bool PadProgram(const std::vector<uint8_t>& program, size_t size, PeStandin& standin) {
  if (!IsPe(program) || program.size() >= size) return false;
  standin.bytes = program;
  standin.freeFrom = program.size();
  standin.bytes.resize(size);
  return true;
}
