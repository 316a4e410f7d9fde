// Real input, as a person gives it: the mouse and the keyboard through SendInput, into the
// foreground window.
#ifndef TARN_E2E_INPUT_H
#define TARN_E2E_INPUT_H

#include <windows.h>

#include <string>

// Makes the top-level window the foreground window; false if it does not become it.
bool BringToForeground(HWND topLevel);
// Moves the pointer to the screen's bottom-right corner, where no window of ours appears.
// Wine turns the crossing events of a window that appears under the pointer into moves of
// its own, which can overtake a click's: so the pointer waits there between clicks.
void ParkPointer();
// A left click at the screen point; the pointer is parked again afterwards.
void ClickAt(POINT point);
// A left click at the centre of the window.
void ClickCentreOf(HWND window);
// Presses and releases the key, holding `modifier` (for example VK_MENU) when it is not 0.
void PressKey(WORD virtualKey, WORD modifier = 0);
// Types the characters of the text one by one.
void TypeText(const std::string& text);

#endif
