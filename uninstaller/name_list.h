// File names for a message, joined by commas in a fixed buffer; names that no longer fit are
// counted, so the message can still say how many there were.
#ifndef TARN_UNINSTALLER_NAME_LIST_H
#define TARN_UNINSTALLER_NAME_LIST_H

#include <cstddef>

struct NameList {
  static constexpr size_t CAPACITY = 512;

  void Add(const char* name);
  bool Empty() const { return listed == 0 && unlisted == 0; }

  char text[CAPACITY] = {};
  unsigned listed = 0;
  unsigned unlisted = 0;
};

#endif
