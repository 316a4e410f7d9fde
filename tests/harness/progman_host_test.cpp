// progman_host.exe must make the shell's DDE server answer an initiation for "PROGMAN".
// Wine's desktop process runs such a server too, so the answer is looked for from the host.
#include <windows.h>
#include <dde.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "progman_host.h"

namespace {

std::vector<DWORD> answeringProcesses;

LRESULT CALLBACK ClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_DDE_ACK) return DefWindowProcA(window, message, wParam, lParam);
  HWND server = reinterpret_cast<HWND>(wParam);
  DWORD process = 0;
  GetWindowThreadProcessId(server, &process);
  answeringProcesses.push_back(process);
  GlobalDeleteAtom(LOWORD(lParam));
  GlobalDeleteAtom(HIWORD(lParam));
  PostMessageA(server, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(window), 0);
  return 0;
}

// The processes whose servers answer a broadcast initiation for application and topic "PROGMAN".
std::vector<DWORD> ProcessesAnsweringProgman() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = ClientProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "ProgmanHostTestClient";
  RegisterClassA(&windowClass);
  HWND client = CreateWindowA(windowClass.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
  const ATOM application = GlobalAddAtomA("PROGMAN");
  const ATOM topic = GlobalAddAtomA("PROGMAN");
  answeringProcesses.clear();
  // The answers are sent, not posted: they have all arrived when the broadcast returns.
  SendMessageTimeoutA(HWND_BROADCAST, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(client), MAKELPARAM(application, topic),
                      SMTO_ABORTIFHUNG, 10000, nullptr);
  GlobalDeleteAtom(application);
  GlobalDeleteAtom(topic);
  DestroyWindow(client);
  return answeringProcesses;
}

bool Contains(const std::vector<DWORD>& processes, DWORD process) {
  return std::find(processes.begin(), processes.end(), process) != processes.end();
}

} // namespace

TEST(ProgmanHost, ShellServerOfTheHostAnswersProgmanInitiation) {
  ProgmanHost host;
  ASSERT_TRUE(host.Ready());
  EXPECT_TRUE(Contains(ProcessesAnsweringProgman(), host.ProcessId()));
  EXPECT_TRUE(host.Stop());
}
