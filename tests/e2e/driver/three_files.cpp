// A program for the call stop's own test: makes a.txt, b.txt and c.txt in the folder named on
// its command line, in that order, each holding its own name in a buffer from HeapAlloc (a
// kernel32 export that forwards to ntdll) and opened by CreateFileA (one that does not).
// Exits with how many it made.
//   three_files.exe FOLDER
#include <windows.h>

#include <string>

namespace {

bool Make(const std::string& folder, const char* name) {
  const DWORD size = lstrlenA(name);
  char* text = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, size));
  if (text == nullptr) return false;
  CopyMemory(text, name, size);
  const HANDLE file = CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  const bool made = file != INVALID_HANDLE_VALUE && WriteFile(file, text, size, &written, nullptr) && written == size;
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  HeapFree(GetProcessHeap(), 0, text);
  return made;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) return -1;
  int made = 0;
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
    if (!Make(argv[1], name)) break;
    ++made;
  }
  return made;
}
