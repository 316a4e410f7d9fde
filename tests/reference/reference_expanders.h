// Other SZDD expanders, to check our images against and to measure against: libmspack,
// working in memory, and the msexpand command.
#ifndef TARN_TESTS_REFERENCE_EXPANDERS_H
#define TARN_TESTS_REFERENCE_EXPANDERS_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// libmspack's expansion of the image into output, which it fills at most (what it writes
// past the end is dropped); the bytes kept, or -1 when libmspack reports an error.
long ExpandWithLibmspack(const Bytes& image, uint8_t* output, size_t capacity);
// The same into a buffer of the header's length; "(libmspack failed)" as bytes on failure.
Bytes ExpandWithLibmspack(const Bytes& image);

// What msexpand writes for the image on its standard input, through files in folder;
// "(msexpand failed)" as bytes when it fails.
Bytes ExpandWithMsexpand(const Bytes& image, const std::string& folder);
// mscompress's image of the content, through files in folder; empty when it fails.
Bytes CompressWithMscompress(const Bytes& content, const std::string& folder);

#endif
