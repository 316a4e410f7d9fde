#include "beep_counter.h"

namespace {

int beeps;

BOOL WINAPI CountingMessageBeep(UINT) {
  ++beeps;
  return TRUE;
}

} // namespace

BeepCounter::BeepCounter() : patch("user32.dll", "MessageBeep", reinterpret_cast<void*>(&CountingMessageBeep)) {
  beeps = 0;
}

int BeepCounter::Beeps() const { return beeps; }
