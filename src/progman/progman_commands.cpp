#include "progman/progman_commands.h"

#include "core/path_rules.h"
#include "core/table_rows.h"

namespace {

const char HELP_CAPTION[] = "tarn help";
const char COMPILED_HELP_FILE[] = "tarn.chm";

class CommandWriter {
public:
  CommandWriter(char* out, size_t capacity) : out_(out), capacity_(capacity) {}

  CommandWriter& operator<<(const char* text) {
    for (; *text != '\0'; ++text) {
      if (length_ + 1 >= capacity_) {
        overflowed_ = true;
        return *this;
      }
      out_[length_++] = *text;
    }
    return *this;
  }

  bool Finish() {
    if (capacity_ == 0) return false;
    if (overflowed_) length_ = 0;
    out_[length_] = '\0';
    return !overflowed_;
  }

private:
  char* out_;
  size_t capacity_;
  size_t length_ = 0;
  bool overflowed_ = false;
};

const char* ItemFile(const GroupItem& item, bool helpAsChm) {
  return helpAsChm && EqualIgnoringCase(item.caption, HELP_CAPTION) ? COMPILED_HELP_FILE : item.file;
}

void WriteItem(CommandWriter& writer, const GroupItem& item, const CommandInput& input) {
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
  CommandWriter writer(out, capacity);
  writer << "[CreateGroup(\"" << input.groupName << "\")]";
  if (input.groupExists) writer << "[ShowGroup(" << input.groupName << ",1)]";
  for (const GroupItemDeletion& deletion : TableRows(input.deletions))
    if (deletion.selected) writer << "[DeleteItem(" << deletion.caption << ")]";
  for (const GroupItem& item : TableRows(input.items))
    if (item.selected) WriteItem(writer, item, input);
  return writer.Finish();
}
