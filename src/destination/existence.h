// What a path names on disk.
#ifndef TARN_DESTINATION_EXISTENCE_H
#define TARN_DESTINATION_EXISTENCE_H

int DirectoryExists(const char* path);
// A file, not a directory; a null or empty path names none.
int FileExists(const char* path);

#endif
