#include "name_list.h"

#include "core/bounded_text.h"

void NameList::Add(const char* name) {
  char joined[CAPACITY];
  TextWriter writer(joined, sizeof joined);
  writer << text << (listed != 0 ? ", " : "") << name;
  if (!writer.Finish()) {
    ++unlisted;
    return;
  }
  for (size_t i = 0; i < CAPACITY; ++i) text[i] = joined[i];
  ++listed;
}
