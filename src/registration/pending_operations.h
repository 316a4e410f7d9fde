// The platform's list of file operations pending until the next restart, in the registry.
#ifndef TARN_REGISTRATION_PENDING_OPERATIONS_H
#define TARN_REGISTRATION_PENDING_OPERATIONS_H

// Removes from the list every operation on the file or directory that path names behind its
// "\??\" prefix, compared by short names, so only while it exists. 1 when the list was
// rewritten; every failure leaves it as it was and gives 0.
int RemovePendingOperations(const char* path);

#endif
