#include "progman/progman_commands.h"

#include "core/path_rules.h"
#include "core/table_rows.h"
#include "core/text_writer.h"

namespace {

const char HELP_CAPTION[] = "tarn help";
const char COMPILED_HELP_FILE[] = "tarn.chm";

const char* ItemFile(const GroupItem& item, bool helpAsChm) {
  return helpAsChm && EqualIgnoringCase(item.caption, HELP_CAPTION) ? COMPILED_HELP_FILE : item.file;
}

void WriteItem(TextWriter& writer, const GroupItem& item, const CommandInput& input) {
  if (item.alreadyPresent) writer << "[DeleteItem(" << item.caption << ")]";
  writer << "[AddItem(\"";
  if (item.fileIsInstalled) {
    writer << input.destination;
    if (input.destination[0] != '\0' && !EndsInBackslash(input.destination)) writer << "\\";
  }
  writer << ItemFile(item, input.helpAsChm) << "\",\"" << item.caption << "\")]";
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

bool BuildGroupDeletion(char* out, size_t capacity, const char* groupName) {
  TextWriter writer(out, capacity);
  writer << "[DeleteGroup(\"" << groupName << "\")]";
  return writer.Finish();
}
