// Writes the side-panel bitmap and the two window icons of setup.exe into a folder.
// The pictures are computed, never random: the same program gives the same bytes.
#include <cstdio>
#include <string>

#include "designs.h"
#include "dib_files.h"
#include "files/file_bytes.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  const bool written = SaveFile(folder + "/panel.bmp", EncodeBitmapFile(DrawPanel())) &&
                       SaveFile(folder + "/frame-large.ico", EncodeIconFile(DrawIcon(32))) &&
                       SaveFile(folder + "/frame-small.ico", EncodeIconFile(DrawIcon(16)));
  if (!written) {
    std::fprintf(stderr, "cannot write the pictures into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
