// Counts the beeps of the code under test: while an object lives, MessageBeep in this
// program's import table is replaced by a counter.
#ifndef TARN_WIN32_TESTS_BEEP_COUNTER_H
#define TARN_WIN32_TESTS_BEEP_COUNTER_H

#include "import_patch.h"

class BeepCounter {
public:
  BeepCounter();

  // False when the import could not be found, so that a test cannot pass unknowingly.
  bool Installed() const { return patch.Applied(); }
  int Beeps() const;

private:
  ImportPatch patch;
};

#endif
