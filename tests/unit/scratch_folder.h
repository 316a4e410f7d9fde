// A folder of the test program's own under /tmp, removed with everything in it at the end.
#ifndef TARN_TESTS_UNIT_SCRATCH_FOLDER_H
#define TARN_TESTS_UNIT_SCRATCH_FOLDER_H

#include <string>

class ScratchFolder {
public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path; }

private:
  std::string path;
};

#endif
