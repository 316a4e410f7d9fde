#include "progman/server_texts.h"

#include "core/path_rules.h"
#include "core/table_rows.h"

namespace {

constexpr char LINE_FEED = '\n';
constexpr char QUOTE = '"';

size_t TextLength(const char* text, size_t length) {
  size_t end = 0;
  while (end < length && text[end] != '\0') ++end;
  return end;
}

bool StartsHereIgnoringCase(const char* text, size_t length, const char* wanted) {
  size_t i = 0;
  for (; wanted[i] != '\0'; ++i)
    if (i >= length || UpperCase(text[i]) != UpperCase(wanted[i])) return false;
  return true;
}

void MarkFirstMatch(const char* name, GroupItem* items) {
  for (GroupItem& item : TableRows(items)) {
    if (EqualIgnoringCase(name, item.caption)) {
      item.alreadyPresent = 1;
      return;
    }
  }
}

} // namespace

bool GroupListNamesGroup(const char* list, size_t length, const char* groupName) {
  length = TextLength(list, length);
  for (size_t start = 0; start < length; ++start)
    if (StartsHereIgnoringCase(list + start, length - start, groupName)) return true;
  return groupName[0] == '\0';
}

void MarkPresentItems(const char* list, size_t length, GroupItem* items) {
  length = TextLength(list, length);
  size_t at = 0;
  for (;;) {
    while (at < length && list[at] != LINE_FEED) ++at;
    // No line feed, or one that ends the text: no item follows.
    if (at + 1 >= length) return;
    at += 2; // the line feed and the opening quote
    char name[ITEM_NAME_LIMIT + 1];
    size_t nameLength = 0;
    for (; at < length && list[at] != QUOTE; ++at)
      if (nameLength < ITEM_NAME_LIMIT) name[nameLength++] = list[at];
    name[nameLength] = '\0';
    MarkFirstMatch(name, items);
    if (at < length) ++at; // the closing quote
  }
}
