// The catalogue row that a stored form fits, and how a catalogue row disagrees with it.
#ifndef TARN_PACKER_ROW_FIT_H
#define TARN_PACKER_ROW_FIT_H

#include <cstdint>
#include <string>
#include <vector>

#include "core/catalogue.h"

// The id of the first payload resource.
constexpr int32_t PAYLOAD_FIRST_RESOURCE = 100;

// Size and check value of what the stored form expands to, whether it is an SZDD image, and
// its chunks from `firstResource` on; the other fields as in `like`. False when it is an
// SZDD image that does not expand to exactly its header's length, or is empty.
bool FitRow(const std::vector<uint8_t>& stored, int32_t firstResource, const FileEntry& like, FileEntry& row);

// One line per field in which the catalogue's row differs from the fitted one, naming the
// row and the field; empty when they agree.
std::string Disagreements(int rowNumber, const FileEntry& catalogue, const FileEntry& fitted);

// Fits every row of the table (up to its terminator) to its stored form, in order, their
// resources following each other from PAYLOAD_FIRST_RESOURCE; the disagreements of all.
std::string CheckStoredForms(const FileEntry* rows, const std::vector<std::vector<uint8_t>>& storedForms);

#endif
