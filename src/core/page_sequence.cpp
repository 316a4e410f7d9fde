#include "core/page_sequence.h"

#include <cstdlib>

void BuildPageSequence(PageSequence& sequence, int32_t count) {
  ReleasePageSequence(sequence);
  if (count < 0) return;
  auto* entries = static_cast<int32_t*>(std::malloc(sizeof(int32_t) * (static_cast<size_t>(count) + 1)));
  if (entries == nullptr) return;
  for (int32_t i = 0; i < count; ++i) entries[i] = i;
  entries[count] = END_OF_SEQUENCE;
  sequence.entries = entries;
  sequence.count = count;
}

int32_t PageAtPosition(const PageSequence& sequence, int32_t position) {
  if (sequence.entries == nullptr || position < 0 || position > sequence.count) return END_OF_SEQUENCE;
  return sequence.entries[position];
}

static void InsertPage(PageSequence& sequence, int32_t page) {
  int32_t* entries = sequence.entries;
  const int32_t n = sequence.count;
  // The trailing end markers stop the scan too: the page goes after every index below it.
  int32_t position = 0;
  while (position < n && entries[position] != END_OF_SEQUENCE && entries[position] < page) ++position;
  if (position == n || entries[position] == page) return;
  for (int32_t j = n; j > position; --j) entries[j] = entries[j - 1];
  entries[position] = page;
}

static void RemovePage(PageSequence& sequence, int32_t page) {
  int32_t* entries = sequence.entries;
  const int32_t n = sequence.count;
  int32_t position = 0;
  while (position < n && entries[position] != page) ++position;
  if (position == n) return;
  for (int32_t j = position; j < n; ++j) entries[j] = entries[j + 1];
}

void ChangePageSequence(PageSequence& sequence, int32_t page, int insert) {
  if (sequence.entries == nullptr || page < 0 || page >= sequence.count) return;
  if (insert)
    InsertPage(sequence, page);
  else
    RemovePage(sequence, page);
}

void ReleasePageSequence(PageSequence& sequence) {
  std::free(sequence.entries);
  sequence.entries = nullptr;
  sequence.count = 0;
}
