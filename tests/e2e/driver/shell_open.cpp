#include "shell_open.h"

#include <shellapi.h>
#include <winternl.h>

#include <vector>

#include "wait.h"
#include "window_query.h"

namespace {

bool ReadFrom(HANDLE process, const void* address, void* into, size_t size) {
  SIZE_T read = 0;
  return ReadProcessMemory(process, address, into, size, &read) && read == size;
}

struct WindowSearch {
  DWORD processId;
  std::string caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window) || WindowText(window) != search.caption) return TRUE;
  search.found = window;
  return FALSE;
}

} // namespace

ShellOpened::ShellOpened(const std::string& document) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  // No dialog: with no program for the document, the shell would ask for one and wait for ever.
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "open";
  info.lpFile = document.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (ShellExecuteExA(&info)) process = info.hProcess;
}

ShellOpened::~ShellOpened() {
  if (process == nullptr) return;
  TerminateProcess(process, 0);
  WaitForSingleObject(process, DEFAULT_WAIT_BOUND_MS);
  CloseHandle(process);
}

std::string ShellOpened::ImagePath() const {
  char path[MAX_PATH];
  DWORD size = sizeof path;
  return process != nullptr && QueryFullProcessImageNameA(process, 0, path, &size) ? std::string(path, size)
                                                                                      : std::string();
}

// Read from the program's own process parameters: exactly what it was started with.
std::string ShellOpened::CommandLine() const {
  PROCESS_BASIC_INFORMATION basic{};
  if (process == nullptr ||
      NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
    return std::string();
  PEB peb;
  RTL_USER_PROCESS_PARAMETERS parameters;
  if (!ReadFrom(process, basic.PebBaseAddress, &peb, sizeof peb) ||
      !ReadFrom(process, peb.ProcessParameters, &parameters, sizeof parameters))
    return std::string();
  std::vector<wchar_t> wide(parameters.CommandLine.Length / sizeof(wchar_t));
  if (!ReadFrom(process, parameters.CommandLine.Buffer, wide.data(), parameters.CommandLine.Length)) return std::string();
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(length, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &text[0], length, nullptr, nullptr);
  return text;
}

HWND ShellOpened::WaitForWindow(const std::string& caption) const {
  WindowSearch search{GetProcessId(process), caption, nullptr};
  WaitUntil([&] {
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}
