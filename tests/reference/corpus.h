// What the SZDD tests and benchmarks compress: real 32-bit Windows binaries (the i386 DLLs of
// Wine's library package) and made-up cases at the edges of the format.
#ifndef TARN_TESTS_CORPUS_H
#define TARN_TESTS_CORPUS_H

#include <string>
#include <vector>

#include "reference_expanders.h"

struct CorpusFile {
  std::string name;
  Bytes content;
};

// Empty, one byte, 18 equal bytes, more than a window of spaces, incompressible, text.
std::vector<CorpusFile> EdgeCorpus();

// Wine's DLLs, spread over the alphabet, until about totalBytes are taken; empty when that
// folder is not there.
std::vector<CorpusFile> WineCorpus(size_t totalBytes);

#endif
