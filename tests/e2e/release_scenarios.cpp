// A release built from a folder of other real files (TARN_RELEASE_PRODUCT), signed: the
// destination page asks for what these files need, a whole installation puts each of them
// down byte for byte with our uninstaller beside them, and that uninstaller knows them and
// removes them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "copy_steps.h"
#include "destination_steps.h"
#include "installer_session.h"
#include "resource_ids.h"
#include "test_environment.h"
#include "uninstall_steps.h"
#include "whole_file.h"
#include "wizard_steps.h"

namespace {

const std::vector<std::string> FOLDER_FILES = {"rtwin32.dll",   "tarn.exe",     "tarn.chm",    "tarn.hlp",
                                               "tarn.cnt",      "rtunzip32.dll", "trniconn.xpt", "rtzip32.dll",
                                               "tarnsyst.trn",  "unicows.dll"};
// Our uninstaller, forged to the row that a release without one of its own keeps for it.
constexpr DWORD UNINSTALLER_ROW_SIZE = 53248;

std::string FolderFile(const std::string& name) {
  return WindowsPathFromEnvironment("TARN_RELEASE_PRODUCT") + "\\" + name;
}

DWORD SizeOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

// What the eleven files take on drive C:, each rounded up to its allocation unit, in
// megabytes with the tenths rounded halves up, as the destination page writes sizes.
std::string RequiredOnDriveC() {
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  if (!GetDiskFreeSpaceA("C:\\", &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)) return "";
  const unsigned long long unit = static_cast<unsigned long long>(sectorsPerCluster) * bytesPerSector;
  std::vector<DWORD> sizes = {UNINSTALLER_ROW_SIZE};
  for (const std::string& name : FOLDER_FILES) sizes.push_back(SizeOf(FolderFile(name)));
  unsigned long long total = 0;
  for (DWORD size : sizes) total += (size + unit - 1) / unit * unit;
  const unsigned long long tenths = (total * 10 + 524288) / 1048576;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " MB";
}

} // namespace

TEST(Release, AFolderOfOtherFilesIsInstalledExactlyAndRemovedByItsUninstaller) {
  {
    InstallerSession setup;
    ASSERT_TRUE(setup.Started());
    ASSERT_TRUE(WalkTo(setup, DESTINATION_TITLE));
    EXPECT_EQ(setup.PageText(IDC_REQUIRED_SIZE), RequiredOnDriveC());
    Leave(setup, WayOut::ExitButton);
  }
  ASSERT_TRUE(InstallWhole());
  for (const std::string& name : FOLDER_FILES) {
    const std::string installed = std::string(INSTALL_FOLDER) + "\\" + name;
    EXPECT_TRUE(ReadWholeFile(installed) == ReadWholeFile(FolderFile(name))) << name;
  }
  EXPECT_EQ(SizeOf(std::string(INSTALL_FOLDER) + "\\uninstal.exe"), UNINSTALLER_ROW_SIZE);

  UninstallRun run;
  ASSERT_TRUE(run.Started());
  const std::string said = UninstallAnswering(run, IDYES);
  EXPECT_EQ(said.rfind("Morvane 12.3 has been removed from C:\\Program Files\\TARN.\n\nRemoved: 10 program files,", 0),
            0u)
      << said;
  EXPECT_TRUE(run.WaitForExit());
  EXPECT_EQ(FilesIn(INSTALL_FOLDER), (std::vector<std::string>{"TARN.DSK", "uninstal.exe"}));
}
