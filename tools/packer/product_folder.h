// A release's folder of the product's real files, each under its catalogue name: checked
// whole before anything is written, then compressed as the catalogue stores them.
#ifndef TARN_PACKER_PRODUCT_FOLDER_H
#define TARN_PACKER_PRODUCT_FOLDER_H

#include <cstdint>
#include <string>
#include <vector>

#include "core/catalogue.h"

struct ReleaseFile {
  FileEntry row;               // fitted to the file, or the template's when it is absent
  bool present;                // false only for the optional file that the folder lacks
  std::vector<uint8_t> stored; // what the resources carry
};

// Reads the file of every row of `rows` (up to its terminator) from the folder, in order;
// only `optionalName` may be missing, and then keeps its row as the template has it (the
// forge fits our own program to that row). Each file must be a readable regular file, not
// empty, of at most 2^31 - 1 bytes, and the whole payload must fit the resource ids; nothing
// else may be in the folder. Compresses a file whose row says so with our SZDD encoder and
// fits the rows to the stored forms, resources following each other from 100 on. False with
// one line that names the file and what is wrong with it.
bool ReadProductFolder(const std::string& folder, const FileEntry* rows, const char* optionalName,
                       std::vector<ReleaseFile>& files, std::string& error);

// The fitted rows as the initialisers of the product's file table, one a line.
std::string FileTableText(const std::vector<ReleaseFile>& files);

#endif
