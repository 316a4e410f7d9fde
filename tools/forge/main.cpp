// The forge: writes the stored form of every catalogue row's stand-in into a folder, under
// the row's name. Usage: tarn_forge PROGRAM FOLDER, where PROGRAM is the runnable stand-in
// program that "tarn.exe" is made of.
#include <cstdio>
#include <string>
#include <vector>

#include "core/product_tables.h"
#include "files/file_bytes.h"
#include "forge/standins.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PROGRAM FOLDER\n", argv[0]);
    return 2;
  }
  std::vector<uint8_t> program;
  if (!LoadFile(argv[1], program)) {
    std::fprintf(stderr, "forge: cannot read %s\n", argv[1]);
    return 1;
  }
  for (const FileEntry* row = productFiles; row->componentKey != COMPONENT_END; ++row) {
    ForgedFile forged;
    std::string error;
    if (!ForgeStandin(*row, program, forged, error)) {
      std::fprintf(stderr, "forge: %s\n", error.c_str());
      return 1;
    }
    const std::string path = std::string(argv[2]) + "/" + row->name;
    if (!SaveFile(path, forged.stored)) {
      std::fprintf(stderr, "forge: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
