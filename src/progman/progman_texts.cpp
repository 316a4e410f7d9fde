#include "progman/progman_texts.h"

#include "core/bounded_text.h"
#include "core/file_rules.h"

namespace {

const char* ItemFile(const GroupItem& item, const CommandInput& input) {
  const bool isHelp = input.helpCaption != nullptr && EqualIgnoringCase(item.caption, input.helpCaption);
  return input.helpAsChm && isHelp && input.compiledHelpFile != nullptr ? input.compiledHelpFile : item.file;
}

void WriteItem(TextWriter& writer, const GroupItem& item, const CommandInput& input) {
  if (item.alreadyPresent) writer << "[DeleteItem(" << item.caption << ")]";
  writer << "[AddItem(\"";
  if (item.fileIsInstalled) {
    writer << input.destination;
    if (input.destination[0] != '\0' && !EndsInBackslash(input.destination)) writer << "\\";
  }
  writer << ItemFile(item, input) << "\",\"" << item.caption << "\")]";
}

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

bool BuildCommands(char* out, size_t capacity, const CommandInput& input) {
  TextWriter writer(out, capacity);
  writer << "[CreateGroup(\"" << input.groupName << "\")]";
  if (input.groupExists) writer << "[ShowGroup(" << input.groupName << ",1)]";
  for (const GroupItemDeletion& deletion : TableRows(input.deletions))
    if (deletion.selected) writer << "[DeleteItem(" << deletion.caption << ")]";
  for (const GroupItem& item : TableRows(input.items))
    if (item.selected) WriteItem(writer, item, input);
  return writer.Finish();
}

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
