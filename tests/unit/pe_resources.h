// Reads the resources of a PE image (PE32 or PE32+) from its bytes: the directory tree of
// type, name and language, and each resource's data.
#ifndef TARN_TESTS_PE_RESOURCES_H
#define TARN_TESTS_PE_RESOURCES_H

#include <cstdint>
#include <vector>

#include "resource_file.h"

// False when the image is not a PE or its resource directory leads outside the file. An
// image without resources gives none and true.
bool ReadPeResources(const std::vector<uint8_t>& image, std::vector<Resource>& resources);

#endif
