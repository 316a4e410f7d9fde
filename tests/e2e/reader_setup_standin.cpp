// Stands in for the document reader's setup program: records that it ran, in a file beside
// itself ("<name>.ran", holding its current directory), and ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char self[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
  if (length == 0 || length >= sizeof self) return 1;
  std::string record = self;
  record = record.substr(0, record.find_last_of('.')) + ".ran";
  char current[MAX_PATH];
  const DWORD currentLength = GetCurrentDirectoryA(sizeof current, current);
  HANDLE file = CreateFileA(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, current, currentLength, &written, nullptr);
  CloseHandle(file);
  return 0;
}
