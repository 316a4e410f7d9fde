// The names of the files (not the folders) in a folder, sorted; empty when it cannot be read.
#ifndef TARN_HARNESS_FILES_IN_H
#define TARN_HARNESS_FILES_IN_H

#include <string>
#include <vector>

std::vector<std::string> FilesIn(const std::string& folder);

#endif
