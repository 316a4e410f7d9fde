#include "input.h"

#include <vector>

#include "wait.h"

namespace {

INPUT KeyInput(WORD virtualKey, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  return input;
}

INPUT CharacterInput(wchar_t character, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = character;
  input.ki.dwFlags = KEYEVENTF_UNICODE | flags;
  return input;
}

// Absolute mouse coordinates run from 0 to 65535 across the primary screen.
INPUT MouseInput(POINT at, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | flags;
  return input;
}

void Send(std::vector<INPUT> inputs) { SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)); }

// True once the system has taken the move.
bool MovePointerTo(POINT point) {
  Send({MouseInput(point, MOUSEEVENTF_MOVE)});
  return WaitUntil([point] {
    POINT cursor;
    return GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y;
  });
}

} // namespace

bool BringToForeground(HWND topLevel) {
  if (GetForegroundWindow() == topLevel) return true;
  SetForegroundWindow(topLevel);
  return WaitUntil([topLevel] { return GetForegroundWindow() == topLevel; });
}

void ParkPointer() { MovePointerTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1}); }

void ClickAt(POINT point) {
  MovePointerTo(point);
  Send({MouseInput(point, MOUSEEVENTF_LEFTDOWN), MouseInput(point, MOUSEEVENTF_LEFTUP)});
  ParkPointer();
}

void ClickCentreOf(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  ClickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void PressKey(WORD virtualKey, WORD modifier) {
  std::vector<INPUT> inputs;
  if (modifier != 0) inputs.push_back(KeyInput(modifier, 0));
  inputs.push_back(KeyInput(virtualKey, 0));
  inputs.push_back(KeyInput(virtualKey, KEYEVENTF_KEYUP));
  if (modifier != 0) inputs.push_back(KeyInput(modifier, KEYEVENTF_KEYUP));
  Send(inputs);
}

void TypeText(const std::string& text) {
  std::vector<wchar_t> wide(text.size() + 1);
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  std::vector<INPUT> inputs;
  for (int i = 0; i + 1 < length; ++i) {
    const wchar_t character = wide[i];
    inputs.push_back(CharacterInput(character, 0));
    inputs.push_back(CharacterInput(character, KEYEVENTF_KEYUP));
  }
  Send(inputs);
}
