#include "removal_report.h"

#include "core/bounded_text.h"

namespace {

// Pieces of the "Removed:" sentence, joined by commas.
class PieceList {
public:
  explicit PieceList(TextWriter& writer) : writer_(writer) {}
  TextWriter& Next() {
    writer_ << (count_++ == 0 ? "Removed: " : ", ");
    return writer_;
  }
  void End() {
    if (count_ != 0) writer_ << ".\n\n";
  }

private:
  TextWriter& writer_;
  unsigned count_ = 0;
};

void WriteNames(TextWriter& writer, const NameList& names) {
  writer << names.text;
  if (names.unlisted != 0) writer << " and " << names.unlisted << " more";
}

void WriteRemoved(TextWriter& writer, const ProductWords& product, const RemovalReport& report) {
  PieceList pieces(writer);
  if (report.filesRemoved != 0)
    pieces.Next() << report.filesRemoved << (report.filesRemoved == 1 ? " program file" : " program files");
  if (report.group == GroupOutcome::REMOVED) pieces.Next() << "the program group \"" << product.groupName << "\"";
  if (report.keysRemoved) pieces.Next() << "the registry entries";
  if (report.association == AssociationOutcome::REMOVED) pieces.Next() << "the file type \"." << product.extension << "\"";
  pieces.End();
}

void WriteLeft(TextWriter& writer, const ProductWords& product, const RemovalReport& report) {
  if (!report.held.Empty()) {
    writer << "Not removed, because another program has them open: ";
    WriteNames(writer, report.held);
    writer << ".\nClose that program and run the uninstaller again to finish; the entry in the list of "
              "programs stays until then.\n\n";
  }
  if (!report.kept.Empty()) {
    writer << "Kept, because they may hold your own work: ";
    WriteNames(writer, report.kept);
    writer << ".\nDelete them yourself when you no longer need them.\n\n";
  }
  if (report.association == AssociationOutcome::OTHER_PROGRAM)
    writer << "Left alone: the file type \"." << product.extension << "\", which now opens with another program.\n\n";
  if (report.group == GroupOutcome::NO_SHELL)
    writer << "The program group \"" << product.groupName
           << "\" could not be removed, because the shell did not answer. You can delete it yourself.\n\n";
}

void WriteRestart(TextWriter& writer, const RemovalReport& report) {
  if (!report.restartScheduled) return;
  writer << (report.folderAtRestart
                 ? "The uninstaller itself and the folder are deleted when Windows restarts."
                 : "The uninstaller itself is deleted when Windows restarts, and the folder too if you have "
                   "emptied it by then.");
}

} // namespace

bool ComposeQuestion(const ProductWords& product, char* out, size_t capacity) {
  TextWriter writer(out, capacity);
  writer << "Do you want to remove " << product.displayName << " from " << product.folder
         << "?\n\nIts program files, program group and registry entries are removed. " << product.desktopFile
         << " and files of your own in the folder are kept.";
  return writer.Finish();
}

bool ComposeNothingToRemove(const ProductWords& product, char* out, size_t capacity) {
  TextWriter writer(out, capacity);
  writer << product.displayName << " is not installed in " << product.folder
         << ": there is nothing to remove. Nothing was changed.";
  return writer.Finish();
}

bool ComposeReport(const ProductWords& product, const RemovalReport& report, char* out, size_t capacity) {
  TextWriter writer(out, capacity);
  writer << product.displayName << (report.held.Empty() ? " has been removed from " : " has been removed in part from ")
         << product.folder << ".\n\n";
  WriteRemoved(writer, product, report);
  WriteLeft(writer, product, report);
  WriteRestart(writer, report);
  return writer.Finish();
}
