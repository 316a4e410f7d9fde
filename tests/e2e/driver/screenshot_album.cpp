#include "screenshot_album.h"

#include <cctype>
#include <cstdio>

#include "screenshot.h"
#include "test_environment.h"

namespace {

int picturesTaken;

// Letters and digits stay; every run of anything else becomes one '-'.
std::string FileNameFrom(const std::string& name) {
  std::string file;
  for (unsigned char character : name) {
    if (isalnum(character))
      file += static_cast<char>(character);
    else if (!file.empty() && file.back() != '-')
      file += '-';
  }
  while (!file.empty() && file.back() == '-') file.pop_back();
  return file.empty() ? std::string("untitled") : file;
}

// Pictures of an earlier run would mix with this run's.
void RemoveEarlierPictures(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*.png").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    DeleteFileA((folder + "\\" + found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

} // namespace

bool AddToAlbum(HWND window, const std::string& name) {
  // Whatever is still invalid is painted before the picture is taken.
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return AddToAlbumAsShown(window, name);
}

bool AddToAlbumAsShown(HWND window, const std::string& name) {
  const std::string folder = WindowsPathFromEnvironment(SCREENSHOT_FOLDER_VARIABLE);
  if (folder.empty()) return true;
  if (picturesTaken == 0) RemoveEarlierPictures(folder);
  char number[16];
  std::snprintf(number, sizeof number, "%02d-", ++picturesTaken);
  return SaveWindowPng(window, folder + "\\" + number + FileNameFrom(name) + ".png");
}
