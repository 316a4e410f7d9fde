// A document opened through the shell as a double click opens it: the program that the
// shell started, where it lives and what it was given.
#ifndef TARN_E2E_SHELL_OPEN_H
#define TARN_E2E_SHELL_OPEN_H

#include <windows.h>

#include <string>

class ShellOpened {
public:
  // ShellExecute's "open" of the document; see Started().
  explicit ShellOpened(const std::string& document);
  // Ends the started program.
  ~ShellOpened();
  ShellOpened(const ShellOpened&) = delete;
  ShellOpened& operator=(const ShellOpened&) = delete;

  bool Started() const { return process != nullptr; }
  std::string ImagePath() const;
  std::string CommandLine() const;
  // Its visible top-level window with this caption, or none after the bound.
  HWND WaitForWindow(const std::string& caption) const;

private:
  HANDLE process = nullptr;
};

#endif
