#include "core/system_libraries.h"

#include "core/bounded_text.h"
#include "core/code_section.h"
#include "core/file_rules.h"

namespace {

// Newer than the headers of the systems this is built for.
constexpr DWORD SEARCH_SYSTEM32_ONLY = 0x800; // LOAD_LIBRARY_SEARCH_SYSTEM32
using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
using SetDllDirectoryFunction = BOOL(WINAPI*)(LPCSTR);

const char SET_DEFAULT_DLL_DIRECTORIES[] TARN_WITH_CODE = "SetDefaultDllDirectories";
const char SET_DLL_DIRECTORY[] TARN_WITH_CODE = "SetDllDirectoryA";
// What the system's own libraries load into a GUI program by name, after its start; those
// that the others may import come first, so that each finds its imports loaded already. The
// loader adds ".dll".
const char LATER_LIBRARIES[] TARN_WITH_CODE =
    "version\0msimg32\0cryptbase\0userenv\0apphelp\0dwmapi\0uxtheme\0";

} // namespace

void KeepLibrarySearchToTheSystem(HMODULE kernel32) {
  const auto setDefault =
      AsFunction<SetDefaultDllDirectoriesFunction>(GetProcAddress(kernel32, SET_DEFAULT_DLL_DIRECTORIES));
  if (setDefault != nullptr && setDefault(SEARCH_SYSTEM32_ONLY)) return;
  // Without it the program's folder is still searched first. The current directory can at
  // least be taken out (XP SP1 on); the libraries that a program's folder could supply are
  // then loaded from the system directory, so that a later load by name finds them loaded.
  const auto setDirectory = AsFunction<SetDllDirectoryFunction>(GetProcAddress(kernel32, SET_DLL_DIRECTORY));
  if (setDirectory != nullptr) setDirectory("");
  for (const char* name = LATER_LIBRARIES; *name != '\0'; name = NextName(name)) LoadSystemLibrary(name);
}

HMODULE LoadSystemLibrary(const char* name) {
  char path[PATH_CAPACITY + LIBRARY_NAME_CAPACITY];
  const UINT length = GetSystemDirectoryA(path, PATH_CAPACITY);
  // A directory that is missing or cut short would name a library somewhere else.
  if (length == 0 || length >= PATH_CAPACITY) return nullptr;
  path[length] = '\\';
  CopyBounded(path + length + 1, LIBRARY_NAME_CAPACITY - 1, name);
  return LoadLibraryA(path);
}
