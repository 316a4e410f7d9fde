// The forge: writes the stored form of every catalogue row's stand-in into a folder, under
// the row's name. Usage: tarn_forge BROWSER UNINSTALLER FOLDER, with the runnable programs
// that "tarn.exe" and "uninstal.exe" are made of.
#include <cstdio>
#include <string>
#include <vector>

#include "files/file_bytes.h"
#include "forge/standins.h"
#include "wizard/product.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s BROWSER UNINSTALLER FOLDER\n", argv[0]);
    return 2;
  }
  StandinPrograms programs;
  const char* names[] = {"tarn.exe", "uninstal.exe"};
  for (int i = 0; i < 2; ++i) {
    if (!LoadFile(argv[1 + i], programs[names[i]])) {
      std::fprintf(stderr, "forge: cannot read %s\n", argv[1 + i]);
      return 1;
    }
  }
  for (const FileEntry* row = productFiles; row->componentKey != COMPONENT_END; ++row) {
    ForgedFile forged;
    std::string error;
    if (!ForgeStandin(*row, programs, forged, error)) {
      std::fprintf(stderr, "forge: %s\n", error.c_str());
      return 1;
    }
    const std::string path = std::string(argv[3]) + "/" + row->name;
    if (!SaveFile(path, forged.stored)) {
      std::fprintf(stderr, "forge: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
