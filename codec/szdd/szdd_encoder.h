// Making SZDD images (mode A) of a content: the smallest that the parse finds, or one of an
// exact length, as the payload's stored forms need.
#ifndef TARN_SZDD_SZDD_ENCODER_H
#define TARN_SZDD_SZDD_ENCODER_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "szdd/szdd_item.h"

// The image of the content expanded by the items, with the header.
std::vector<uint8_t> WriteSzddImage(const uint8_t* content, size_t length, uint8_t lastNameCharacter,
                                    const std::vector<SzddItem>& items);

std::vector<uint8_t> CompressSzdd(const uint8_t* content, size_t length, uint8_t lastNameCharacter);

// False, image untouched, when no image of that length is found: the smallest is longer, or
// the content is too incompressible to be lengthened exactly (at most one byte in nine more
// than the content).
bool CompressSzddToLength(const uint8_t* content, size_t length, uint8_t lastNameCharacter, size_t imageLength,
                          std::vector<uint8_t>& image);

#endif
