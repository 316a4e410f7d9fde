// Making a directory together with every missing directory above it.
#ifndef TARN_DESTINATION_DIRECTORY_TREE_H
#define TARN_DESTINATION_DIRECTORY_TREE_H

// Creates the path level by level below its drive; returns 1 when it exists afterwards.
// A path not of the drive form fails silently. A level that cannot be created, and a path
// too long to take the backslash that later paths append, fail with a beep; levels made
// before the failure stay. A bare root such as C:\ creates nothing and succeeds.
int CreateDirectoryTree(const char* path);

#endif
