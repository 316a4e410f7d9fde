#include "destination/typed_drive.h"

char DriveNamedByText(const char* text) {
  if (text[0] == '"') ++text;
  if (text[0] == '\0' || text[1] != ':' || text[2] != '\\') return 0;
  return text[0];
}

bool NoteTypedDrive(char& lastQueriedDrive, char namedDrive) {
  if (namedDrive == 'A' || namedDrive == 'a') return false;
  const bool changed = namedDrive != lastQueriedDrive;
  lastQueriedDrive = namedDrive;
  return changed;
}
