// The icons page with the shell's own "PROGMAN" server (the host program): after a walk from
// the welcome page the Start Menu's group holds both items, their targets read out of the
// links, and the finish page follows by itself. Without any server the error page says so
// at once, and what the earlier pages made stays.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "copy_steps.h"
#include "installer_session.h"
#include "progman_host.h"
#include "resource_ids.h"
#include "wizard_steps.h"

namespace {

constexpr char ICONS_TITLE[] = "Installing icons";
constexpr char FINISH_TITLE[] = "Installation complete";
constexpr char APP_PATHS_KEY[] = "SOFTWARE\\Veltrum\\TARN\\CurrentVersion\\AppPaths";

std::string GroupFolder() {
  char programs[MAX_PATH];
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs))) return "";
  return std::string(programs) + "\\TARN";
}

// The path the shortcut points at, or "" when it cannot be read.
std::string LinkTarget(const std::string& link) {
  std::string target;
  const HRESULT initialised = CoInitialize(nullptr);
  IShellLinkA* shellLink = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&shellLink)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      WCHAR widePath[MAX_PATH];
      char path[MAX_PATH];
      if (MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, widePath, MAX_PATH) > 0 &&
          SUCCEEDED(file->Load(widePath, STGM_READ)) &&
          shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH) == S_OK)
        target = path;
      file->Release();
    }
    shellLink->Release();
  }
  if (SUCCEEDED(initialised)) CoUninitialize();
  return target;
}

// The help item opens the compiled help where the system reports NT 6 (Windows 7, and
// Windows 10, which reports 6.2 to a program that declares no supported systems).
std::string HelpFileForReportedVersion() {
  const char* version = std::getenv("TARN_WINE_VERSION");
  const std::string reported = version != nullptr ? version : "";
  return reported == "win7" || reported == "win10" || reported == "vista" ? "tarn.chm" : "tarn.hlp";
}

// The key's default value, or "" when there is none.
std::string DefaultValue(HKEY root, const char* key) {
  HKEY opened;
  if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return "";
  char value[MAX_PATH] = "";
  DWORD size = sizeof value - 1;
  if (RegQueryValueExA(opened, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS)
    value[0] = '\0';
  RegCloseKey(opened);
  return value;
}

} // namespace

TEST(ProgramGroup, ShellServerMakesTheGroupWithBothItemsThenTheFinishPageFollows) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  InstallerSession setup;
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkTo(setup, SUMMARY_TITLE));
  setup.Click(IDC_NEXT);
  ASSERT_TRUE(setup.WaitForPageTitle(ICONS_TITLE));
  const DWORD iconsSeen = GetTickCount();
  setup.Screenshot();
  ASSERT_TRUE(setup.WaitForPageTitle(FINISH_TITLE));
  // A figure, not a check: the page pauses half a second once the shell has the commands.
  std::printf("finish page %lu ms after the icons page was seen\n",
              static_cast<unsigned long>(GetTickCount() - iconsSeen));
  setup.Screenshot();
  const std::string group = GroupFolder();
  EXPECT_EQ(LinkTarget(group + "\\TARN.lnk"), std::string(INSTALL_FOLDER) + "\\tarn.exe");
  EXPECT_EQ(LinkTarget(group + "\\TARN help.lnk"), std::string(INSTALL_FOLDER) + "\\" + HelpFileForReportedVersion());
}

TEST(ProgramGroup, WithoutAServerTheErrorPageShowsAtOnceAndTheInstallationStays) {
  InstallerSession setup;
  ASSERT_TRUE(ArriveAtTheGroupErrorWithoutAServer(setup));
  EXPECT_EQ(setup.ButtonCaption(IDC_EXIT), "Close");
  EXPECT_EQ(GetFileAttributesA((std::string(INSTALL_FOLDER) + "\\tarn.exe").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(DefaultValue(HKEY_LOCAL_MACHINE, APP_PATHS_KEY), std::string(INSTALL_FOLDER) + "\\tarn.exe");
}
