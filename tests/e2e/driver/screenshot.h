// PNG pictures of windows as they are on the screen.
#ifndef TARN_E2E_SCREENSHOT_H
#define TARN_E2E_SCREENSHOT_H

#include <windows.h>

#include <string>

// Copies the window's rectangle from the screen into a PNG file; creates missing folders.
bool SaveWindowPng(HWND window, const std::string& path);

#endif
