// Whole files in and out of memory, for the host tools of the build.
#ifndef TARN_TOOLS_FILE_BYTES_H
#define TARN_TOOLS_FILE_BYTES_H

#include <cstdint>
#include <string>
#include <vector>

bool LoadFile(const std::string& path, std::vector<uint8_t>& bytes);
bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool SaveText(const std::string& path, const std::string& text);
// As SaveFile, but a file that already holds these bytes is not written, so its time stays.
bool SaveFileIfChanged(const std::string& path, const std::vector<uint8_t>& bytes);

#endif
