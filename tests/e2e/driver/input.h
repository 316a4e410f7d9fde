// Real input, as a person gives it: the mouse and the keyboard through SendInput, into the
// foreground window.
#ifndef TARN_E2E_INPUT_H
#define TARN_E2E_INPUT_H

#include <windows.h>

#include <string>

// Makes the top-level window the foreground window; false if it does not become it.
bool BringToForeground(HWND topLevel);
// A left click at the screen point.
void ClickAt(POINT point);
// A left click at the centre of the window.
void ClickCentreOf(HWND window);
// Presses and releases the key, holding `modifier` (for example VK_MENU) when it is not 0.
void PressKey(WORD virtualKey, WORD modifier = 0);
// Types the characters of the text one by one.
void TypeText(const std::string& text);

#endif
