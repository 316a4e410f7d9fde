// The forge: writes the stored forms of the catalogue rows' stand-ins, under the rows' names.
//   tarn_forge BROWSER UNINSTALLER FOLDER: every row's, with the runnable programs that
//     "tarn.exe" and "uninstal.exe" are made of.
//   tarn_forge uninstaller UNINSTALLER FILE: only "uninstal.exe", for a release of real files
//     that brings no uninstaller of its own.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/file_bytes.h"
#include "forge/standins.h"
#include "wizard/product.h"

namespace {

bool LoadProgram(const char* name, const char* path, StandinPrograms& programs) {
  if (LoadFile(path, programs[name])) return true;
  std::fprintf(stderr, "forge: cannot read %s\n", path);
  return false;
}

bool Forge(const FileEntry& row, const StandinPrograms& programs, const std::string& path) {
  ForgedFile forged;
  std::string error;
  if (!ForgeStandin(row, programs, forged, error)) {
    std::fprintf(stderr, "forge: %s\n", error.c_str());
    return false;
  }
  if (SaveFile(path, forged.stored)) return true;
  std::fprintf(stderr, "forge: cannot write %s\n", path.c_str());
  return false;
}

} // namespace

int main(int argc, char** argv) {
  StandinPrograms programs;
  if (argc == 4 && std::strcmp(argv[1], "uninstaller") == 0) {
    const FileEntry* row = productFiles;
    while (row->componentKey != COMPONENT_END && std::strcmp(row->name, UNINSTALLER_NAME) != 0) ++row;
    if (row->componentKey == COMPONENT_END) {
      std::fprintf(stderr, "forge: the catalogue has no row for %s\n", UNINSTALLER_NAME);
      return 1;
    }
    return LoadProgram(UNINSTALLER_NAME, argv[2], programs) && Forge(*row, programs, argv[3]) ? 0 : 1;
  }
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s BROWSER UNINSTALLER FOLDER\n       %s uninstaller UNINSTALLER FILE\n", argv[0],
                 argv[0]);
    return 2;
  }
  if (!LoadProgram(PROGRAM_FILE, argv[1], programs) || !LoadProgram(UNINSTALLER_NAME, argv[2], programs)) return 1;
  for (const FileEntry* row = productFiles; row->componentKey != COMPONENT_END; ++row)
    if (!Forge(*row, programs, std::string(argv[3]) + "/" + row->name)) return 1;
  return 0;
}
