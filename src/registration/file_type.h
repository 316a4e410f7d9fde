// A document type that opens with the installed program and shows its icon.
#ifndef TARN_REGISTRATION_FILE_TYPE_H
#define TARN_REGISTRATION_FILE_TYPE_H

#include "core/catalogue.h"
#include "registration/registry_step.h"

// The type's keys under HKEY_CLASSES_ROOT: the extension with its dot, and the identifier that
// the association makes (the extension and "file"). False when they do not fit.
bool FileTypeKeys(const FileTypeEntry& row, char* extensionKey, char* identifier, size_t capacity);

// When the product takes an extension over from another identifier, that identifier is kept as
// a value of the product's key named after the extension's key (".trn"): the uninstaller
// gives the type back to it.

// Writes the association below the directory (with its trailing backslash). Asks the user
// first when the extension belongs to a type with another description. 1 when all of it was
// written; 0 when the user declined or a key or value could not be written. Never an error code.
int RegisterFileType(RegistrationState& state, const FileTypeEntry& row, const char* directory);

#endif
