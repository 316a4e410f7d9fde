// Two open keys of a chain of nested keys, closed in one place.
#ifndef TARN_REGISTRATION_KEY_PAIR_H
#define TARN_REGISTRATION_KEY_PAIR_H

#include <windows.h>

struct KeyPair {
  HKEY first;
  HKEY second;

  void CloseFirst();
  void CloseSecond();
  // The last act on every way out of a chain.
  void CloseBoth();
};

#endif
