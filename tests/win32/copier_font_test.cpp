// Font rows: into the Windows fonts folder or SYSTEM folder, left alone when already there,
// and announced to every window once the copy is released.
#include <windows.h>

#include <gtest/gtest.h>

#include "copier_fixture.h"
#include "core/install_state.h"

namespace {

// A hidden top-level window that counts the font-change broadcasts it receives.
class FontChangeListener {
public:
  FontChangeListener() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TarnFontChangeListener";
    RegisterClassA(&windowClass);
    window = CreateWindowA(windowClass.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                           windowClass.hInstance, nullptr);
    changes = 0;
  }
  ~FontChangeListener() { DestroyWindow(window); }
  int Changes() const { return changes; }

private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_FONTCHANGE) ++changes;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  static int changes;
  HWND window;
};
int FontChangeListener::changes;

std::string WindowsFolder(const char* folder) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, sizeof windows);
  return std::string(windows) + "\\" + folder + "\\";
}

// A real bitmap font of the prefix, so that the system accepts it.
std::string SampleFont() { return ReadWholeFile(WindowsFolder("Fonts") + "smalle.fon"); }

using FontCopy = CopierFixture;

TEST_F(FontCopy, GoesToTheFontsFolderAndIsAnnouncedOnRelease) {
  const std::string font = SampleFont();
  ASSERT_GT(font.size(), 1000u);
  payload.Add("tarnfnt1.fon", font, true);
  FontChangeListener listener;
  ASSERT_EQ(Run(), 1) << "error " << installState.failure.code;
  EXPECT_EQ(ReadWholeFile(WindowsFolder("Fonts") + "tarnfnt1.fon"), font);
  EXPECT_EQ(Installed("tarnfnt1.fon"), "(missing)");
  EXPECT_EQ(listener.Changes(), 0);
  copier->Release();
  copier.reset();
  EXPECT_EQ(listener.Changes(), 1);
}

TEST_F(FontCopy, GoesToTheSystemFolderWhenThePlatformKeepsFontsThere) {
  installState.fontsInFontsFolder = 0;
  CreateDirectoryA(WindowsFolder("SYSTEM").c_str(), nullptr); // a 64-bit prefix may lack it
  payload.Add("tarnfnt2.fon", SampleFont(), false);
  ASSERT_EQ(Run(), 1) << "error " << installState.failure.code;
  EXPECT_EQ(ReadWholeFile(WindowsFolder("SYSTEM") + "tarnfnt2.fon"), SampleFont());
}

TEST_F(FontCopy, AFontAlreadyPresentIsLeftAloneAndCountsAsDone) {
  const std::string present = WindowsFolder("Fonts") + "tarnfnt3.fon";
  ASSERT_TRUE(WriteWholeFile(present, "already here"));
  payload.Add("tarnfnt3.fon", SampleFont(), true);
  payload.Add("after.dll", SampleContent(100, 20), true);
  FontChangeListener listener;
  ASSERT_EQ(Run(), 1);
  EXPECT_EQ(ReadWholeFile(present), "already here");
  EXPECT_EQ(payload.Row(0).selected, ROW_SELECTED);
  EXPECT_EQ(copier->DoneBytes(), copier->TotalBytes());
  copier->Release();
  copier.reset();
  EXPECT_EQ(listener.Changes(), 0);
}

} // namespace
