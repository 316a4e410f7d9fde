// The ordered list of page-table indices that Back and Next walk.
#ifndef TARN_CORE_PAGE_SEQUENCE_H
#define TARN_CORE_PAGE_SEQUENCE_H

#include <cstdint>

// No page at a position: after the last page, or outside the list.
constexpr int32_t END_OF_SEQUENCE = -1;

struct PageSequence {
  int32_t count = 0;          // pages in the page table; the list has count + 1 slots
  int32_t* entries = nullptr; // ascending page indices, then END_OF_SEQUENCE up to slot count
};

// Holds every index 0 .. count - 1; an allocation failure leaves an empty list.
void BuildPageSequence(PageSequence& sequence, int32_t count);
// The page index at the position, or END_OF_SEQUENCE for any position without a page.
int32_t PageAtPosition(const PageSequence& sequence, int32_t position);
// Inserts (insert = 1) or removes (insert = 0) a page index; never holds an index twice.
void ChangePageSequence(PageSequence& sequence, int32_t page, int insert);
void ReleasePageSequence(PageSequence& sequence);

#endif
