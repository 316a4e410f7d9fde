// Counts the beeps of the code under test: while an object lives, MessageBeep in this
// program's import table is replaced by a counter.
#ifndef TARN_WIN32_TESTS_BEEP_COUNTER_H
#define TARN_WIN32_TESTS_BEEP_COUNTER_H

class BeepCounter {
public:
  BeepCounter();
  ~BeepCounter();
  BeepCounter(const BeepCounter&) = delete;
  BeepCounter& operator=(const BeepCounter&) = delete;

  // False when the import could not be found, so that a test cannot pass unknowingly.
  bool Installed() const { return slot != nullptr; }
  int Beeps() const;

private:
  void** slot = nullptr;
  void* original = nullptr;
};

#endif
