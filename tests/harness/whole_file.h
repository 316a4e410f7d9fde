// Whole files read and written by the test programs, byte for byte.
#ifndef TARN_HARNESS_WHOLE_FILE_H
#define TARN_HARNESS_WHOLE_FILE_H

#include <string>

// The file's bytes, or "(missing)" when it cannot be opened: compared with what a test
// expects, a missing file then reads as such in the failure message.
std::string ReadWholeFile(const std::string& path);
// Creates or truncates the file and writes the bytes; false when any step fails.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

#endif
