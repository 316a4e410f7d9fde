// The numbered pictures of one scenario: <folder>/<nn>-<name>.png, the folder given by
// TARN_SCREENSHOT_DIR, emptied of earlier pictures first. Without it no pictures are taken.
#ifndef TARN_E2E_SCREENSHOT_ALBUM_H
#define TARN_E2E_SCREENSHOT_ALBUM_H

#include <windows.h>

#include <string>

// Saves the window once it has finished painting; true when saved or when no folder is set.
bool AddToAlbum(HWND window, const std::string& name);
// Saves the window as the screen shows it now, without asking its program to paint first
// (for a program held still).
bool AddToAlbumAsShown(HWND window, const std::string& name);

#endif
