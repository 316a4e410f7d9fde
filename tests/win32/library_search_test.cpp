// The way of systems whose KERNEL32 cannot keep the library search to the system directory:
// the libraries that a GUI program gets later are loaded from there first. A program of its
// own, so that nothing has loaded them before.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/system_libraries.h"

namespace {

std::string SystemDirectory() {
  char path[MAX_PATH];
  const UINT length = GetSystemDirectoryA(path, sizeof path);
  return std::string(path, length);
}

// KERNEL32 of Windows 95 to XP RTM has neither SetDefaultDllDirectories nor SetDllDirectoryA;
// this program's own module has neither either. Each library that the system directory holds
// (Wine 8 has no cryptbase) is loaded from there. Wine's builtins load version.dll at every
// start; the others must not be loaded yet, or the test proves nothing.
TEST(LibrarySearch, WithoutAWayToKeepItToTheSystemTheLibrariesOfAGuiProgramAreLoadedFromThere) {
  const char* const later[] = {"version.dll", "msimg32.dll", "cryptbase.dll", "userenv.dll",
                               "apphelp.dll", "dwmapi.dll",  "uxtheme.dll"};
  for (const char* name : later) {
    if (lstrcmpA(name, "version.dll") != 0) {
      ASSERT_EQ(GetModuleHandleA(name), nullptr) << name << " was loaded before";
    }
  }

  KeepLibrarySearchToTheSystem(GetModuleHandleA(nullptr));
  for (const char* name : later) {
    const std::string inSystem = SystemDirectory() + "\\" + name;
    if (GetFileAttributesA(inSystem.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
    const HMODULE loaded = GetModuleHandleA(name);
    ASSERT_NE(loaded, nullptr) << name;
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(loaded, path, sizeof path);
    EXPECT_EQ(lstrcmpiA(std::string(path, length).c_str(), inSystem.c_str()), 0) << path;
  }
}

} // namespace
