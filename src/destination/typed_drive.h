// Which drive the text typed into the destination field names, and when to query it.
#ifndef TARN_DESTINATION_TYPED_DRIVE_H
#define TARN_DESTINATION_TYPED_DRIVE_H

// After one leading double quote, the first character when ":\" follows it, whatever it is;
// otherwise 0, a text that names no drive.
char DriveNamedByText(const char* text);

// Whether the sizes must be shown again for the named drive, which is then remembered.
// Drive A is passed over and not remembered, so that typing never reaches for a floppy disk.
// The comparison is byte by byte: "c" after "C" queries again.
bool NoteTypedDrive(char& lastQueriedDrive, char namedDrive);

#endif
