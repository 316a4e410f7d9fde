// The stand-ins of the product's files: for each catalogue row a content of the row's size
// and check value, and its stored form of the row's stored length.
#ifndef TARN_FORGE_STANDINS_H
#define TARN_FORGE_STANDINS_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/catalogue.h"

struct ForgedFile {
  std::vector<uint8_t> content; // as installed
  std::vector<uint8_t> stored;  // what the resources carry
};

// The runnable programs of ours that stand-ins are made of, by the row's name: "tarn.exe" and
// "uninstal.exe".
using StandinPrograms = std::map<std::string, std::vector<uint8_t>>;

// False, with a message, for a row that no stand-in fits.
bool ForgeStandin(const FileEntry& row, const StandinPrograms& programs, ForgedFile& forged, std::string& error);

size_t StoredLength(const FileEntry& row);

#endif
