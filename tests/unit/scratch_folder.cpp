#include "scratch_folder.h"

#include <stdlib.h>

#include <filesystem>

ScratchFolder::ScratchFolder() {
  char name[] = "/tmp/tarn-unit.XXXXXX";
  path = mkdtemp(name) != nullptr ? name : "/tmp";
}

ScratchFolder::~ScratchFolder() {
  if (path != "/tmp") std::filesystem::remove_all(path);
}
