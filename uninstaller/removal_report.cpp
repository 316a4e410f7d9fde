#include "removal_report.h"

#include "core/bounded_text.h"

namespace {

// Pieces of a sentence after its lead, joined by commas; nothing at all without a piece.
class PieceList {
public:
  PieceList(TextWriter& writer, const char* lead) : writer_(writer), lead_(lead) {}
  TextWriter& Next() {
    writer_ << (count_++ == 0 ? lead_ : ", ");
    return writer_;
  }
  void End() {
    if (count_ != 0) writer_ << ".\n\n";
  }

private:
  TextWriter& writer_;
  const char* lead_;
  unsigned count_ = 0;
};

void WriteNames(TextWriter& writer, const NameList& names) {
  writer << names.text;
  if (names.unlisted != 0) writer << " and " << names.unlisted << " more";
}

void WriteRemoved(TextWriter& writer, const ProductWords& product, const RemovalReport& report) {
  PieceList pieces(writer, "Removed: ");
  if (report.filesRemoved != 0)
    pieces.Next() << report.filesRemoved << (report.filesRemoved == 1 ? " program file" : " program files");
  if (report.group == GroupOutcome::REMOVED) pieces.Next() << "the program group \"" << product.groupName << "\"";
  if (report.keysRemoved) pieces.Next() << "the registry entries";
  if (report.association == AssociationOutcome::REMOVED || report.association == AssociationOutcome::GIVEN_BACK)
    pieces.Next() << "the file type \"." << product.extension << "\"";
  pieces.End();
}

void WriteElsewhere(TextWriter& writer, const ProductWords& product, const RemovalReport& report) {
  PieceList pieces(writer, "Left alone, because they belong to an installation in another folder: ");
  if (report.entryElsewhere) pieces.Next() << "the entry in the list of programs";
  if (report.productElsewhere) pieces.Next() << "the registry entries";
  if (report.association == AssociationOutcome::ANOTHER_FOLDER)
    pieces.Next() << "the file type \"." << product.extension << "\"";
  if (report.group == GroupOutcome::ANOTHER_FOLDER) pieces.Next() << "the program group \"" << product.groupName << "\"";
  pieces.End();
}

void WriteFiles(TextWriter& writer, const char* reason, const NameList& names, const char* advice) {
  if (names.Empty()) return;
  writer << reason;
  WriteNames(writer, names);
  writer << advice;
}

void WriteLeft(TextWriter& writer, const ProductWords& product, const RemovalReport& report) {
  constexpr char ENTRY_STAYS[] = " and run the uninstaller again to finish; the entry in the list of programs stays "
                                 "until then.\n\n";
  WriteFiles(writer, "Not removed, because another program has them open: ", report.held, ".\nClose that program");
  if (!report.held.Empty()) writer << ENTRY_STAYS;
  WriteFiles(writer, "Not removed, because they are read-only or Windows refused to delete them: ", report.refused,
             ".\nMake them deletable");
  if (!report.refused.Empty()) writer << ENTRY_STAYS;
  WriteFiles(writer, "Kept, because they have changed since they were installed and may hold your own work: ",
             report.changed, ".\n\n");
  WriteFiles(writer, "Kept, because they may hold your own work: ", report.kept,
             ".\nDelete them yourself when you no longer need them.\n\n");
  WriteFiles(writer, "Not removed, because Windows refused to delete them: the registry keys ", report.keysLeft,
             ".\n\n");
  if (report.association == AssociationOutcome::GIVEN_BACK)
    writer << "The file type \"." << product.extension << "\" opens again with the program it opened with before.\n\n";
  if (report.association == AssociationOutcome::OTHER_PROGRAM)
    writer << "Left alone: the file type \"." << product.extension << "\", which now opens with another program.\n\n";
  WriteElsewhere(writer, product, report);
  if (report.group == GroupOutcome::USERS_ITEMS)
    writer << "Kept: the program group \"" << product.groupName << "\", which holds shortcuts of your own.\n\n";
  if (report.group == GroupOutcome::FAILED)
    writer << "The program group \"" << product.groupName << "\" could not be removed. You can delete it yourself.\n\n";
}

void WriteRestart(TextWriter& writer, const ProductWords& product, const RemovalReport& report) {
  if (report.restartFailed) {
    writer << "The uninstaller could not arrange to be deleted when Windows restarts: delete " << product.program
           << " yourself.";
    return;
  }
  if (!report.restartScheduled) return;
  if (!report.folderAtRestart)
    writer << "The uninstaller itself is deleted when Windows restarts.";
  else if (report.folderEmpty)
    writer << "The uninstaller itself and the folder are deleted when Windows restarts.";
  else
    writer << "The uninstaller itself is deleted when Windows restarts, and the folder too if you have emptied it "
              "by then.";
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
  writer << product.displayName << (report.Unfinished() ? " has been removed in part from " : " has been removed from ")
         << product.folder << ".\n\n";
  WriteRemoved(writer, product, report);
  WriteLeft(writer, product, report);
  WriteRestart(writer, product, report);
  return writer.Finish();
}

UninstallExitCode ExitCodeOf(const RemovalReport& report) {
  if (report.Unfinished() || !report.keysLeft.Empty() || report.group == GroupOutcome::FAILED || report.restartFailed)
    return UNINSTALL_UNFINISHED;
  if (!report.changed.Empty() || report.entryElsewhere || report.productElsewhere ||
      report.association == AssociationOutcome::OTHER_PROGRAM ||
      report.association == AssociationOutcome::ANOTHER_FOLDER || report.group == GroupOutcome::ANOTHER_FOLDER)
    return UNINSTALL_KEPT;
  return UNINSTALL_COMPLETE;
}
