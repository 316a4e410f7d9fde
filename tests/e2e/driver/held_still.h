// A program held still: every thread of the process is suspended while the object lives.
// What the test gives it meanwhile (clicks, keys) waits in its queues, in order, and what it
// shows stays as it was, so the test can act at a moment of its choosing without a race.
// While held, the program answers no message: ask it nothing (texts, redraws) in the meantime.
#ifndef TARN_E2E_HELD_STILL_H
#define TARN_E2E_HELD_STILL_H

#include <windows.h>

#include <vector>

class HeldStill {
public:
  explicit HeldStill(DWORD processId);
  ~HeldStill();
  HeldStill(const HeldStill&) = delete;
  HeldStill& operator=(const HeldStill&) = delete;

  // False when no thread could be suspended (the program has ended).
  bool Holding() const { return !threads.empty(); }

private:
  std::vector<HANDLE> threads;
};

#endif
