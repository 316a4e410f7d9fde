// Files that earlier versions left in the destination directory.
#ifndef TARN_REGISTRATION_OBSOLETE_FILES_H
#define TARN_REGISTRATION_OBSOLETE_FILES_H

// Deletes each of them from the destination directory; one that is missing or cannot be
// deleted is passed over without a message.
void DeleteObsoleteFiles();

#endif
