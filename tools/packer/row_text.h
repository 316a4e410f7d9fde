// A catalogue row as the initialiser line of the product's file table.
#ifndef TARN_PACKER_ROW_TEXT_H
#define TARN_PACKER_ROW_TEXT_H

#include <string>

#include "core/catalogue.h"

// For example `    File("tarn.cnt", 1028, 0xAE5572D1, 1, 114, 1, 746),`, with a line feed.
std::string RowInitialiser(const FileEntry& row);

#endif
