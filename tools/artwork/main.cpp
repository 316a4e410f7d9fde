// Writes the side-panel bitmap and the two window icons of setup.exe into a folder.
// The pictures are computed, never random: the same program gives the same bytes.
#include <cstdio>
#include <string>
#include <vector>

#include "designs.h"
#include "dib_files.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  const bool written = WriteFile(folder + "/panel.bmp", EncodeBitmapFile(DrawPanel())) &&
                       WriteFile(folder + "/frame-large.ico", EncodeIconFile(DrawIcon(32))) &&
                       WriteFile(folder + "/frame-small.ico", EncodeIconFile(DrawIcon(16)));
  if (!written) {
    std::fprintf(stderr, "cannot write the pictures into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
