#include "child_process.h"

#include <vector>

namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

} // namespace

ChildProcess::~ChildProcess() {
  if (process == nullptr) return;
  if (Running()) {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, DEFAULT_WAIT_BOUND_MS);
  }
  CloseHandle(process);
}

bool ChildProcess::Start(const std::string& executable, const std::string& arguments,
                         const std::string& currentDirectory, DWORD creationFlags) {
  const std::string line = "\"" + executable + "\"" + (arguments.empty() ? "" : " " + arguments);
  return Launch(executable.c_str(), line, currentDirectory.empty() ? FolderOf(executable) : currentDirectory,
                creationFlags);
}

bool ChildProcess::StartCommand(const std::string& commandLine, const std::string& currentDirectory) {
  return Launch(nullptr, commandLine, currentDirectory, 0);
}

bool ChildProcess::Launch(const char* executable, const std::string& line, const std::string& currentDirectory,
                          DWORD creationFlags) {
  std::vector<char> commandLine(line.begin(), line.end());
  commandLine.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(executable, commandLine.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                      currentDirectory.c_str(), &startup, &started))
    return false;
  CloseHandle(started.hThread);
  process = started.hProcess;
  id = started.dwProcessId;
  return true;
}

bool ChildProcess::Running() const { return process != nullptr && WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

bool ChildProcess::WaitForExit(unsigned boundMs) {
  return process != nullptr && WaitForSingleObject(process, ScaledBound(boundMs)) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process != nullptr) GetExitCodeProcess(process, &code);
  return code;
}
