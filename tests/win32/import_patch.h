// Points one import of this program at another function for the object's lifetime, so
// that a test can count or fake a platform call made deep inside the code under test.
#ifndef TARN_WIN32_TESTS_IMPORT_PATCH_H
#define TARN_WIN32_TESTS_IMPORT_PATCH_H

#include <windows.h>

class ImportPatch {
public:
  // dll as the import table names it, case ignored (e.g. "kernel32.dll").
  ImportPatch(const char* dll, const char* function, void* replacement);
  ~ImportPatch();
  ImportPatch(const ImportPatch&) = delete;
  ImportPatch& operator=(const ImportPatch&) = delete;

  bool Applied() const { return slot != nullptr; }
  // What the import pointed at before.
  void* Original() const { return original; }

private:
  void Write(void* value);

  void** slot;
  void* original;
};

#endif
