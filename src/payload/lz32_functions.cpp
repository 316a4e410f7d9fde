#include "payload/lz32_functions.h"

#include "core/code_section.h"

namespace {

// The library (the loader adds ".dll"), then the functions in the order of their slots.
const char LZ32_NAMES[] TARN_WITH_CODE = "LZ32\0LZOpenFileA\0LZRead\0LZCopy\0LZClose\0";

} // namespace

bool Lz32Functions::Load() {
  const HMODULE library = LoadSystemLibrary(LZ32_NAMES);
  if (library == nullptr) return false;
  const char* name = LZ32_NAMES;
  for (FARPROC& procedure : procedures) {
    name = NextName(name);
    procedure = GetProcAddress(library, name);
    if (procedure == nullptr) return false;
  }
  return true;
}
