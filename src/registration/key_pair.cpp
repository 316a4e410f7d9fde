#include "registration/key_pair.h"

void KeyPair::CloseFirst() {
  RegCloseKey(first);
  first = nullptr;
}

void KeyPair::CloseSecond() {
  RegCloseKey(second);
  second = nullptr;
}

void KeyPair::CloseBoth() {
  if (second != nullptr) RegCloseKey(second);
  if (first != nullptr) RegCloseKey(first);
}
