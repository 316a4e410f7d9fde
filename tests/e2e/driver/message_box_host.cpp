// A program that asks one question, for the driver's own test: shows a message box with the
// caption and buttons named on the command line and exits with the button pressed.
//   message_box_host.exe yesno|ok CAPTION TEXT
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
  if (argc != 4) return -1;
  const UINT buttons = std::strcmp(argv[1], "yesno") == 0 ? MB_YESNO | MB_ICONQUESTION : MB_OK | MB_ICONSTOP;
  return MessageBoxA(nullptr, argv[3], argv[2], buttons);
}
