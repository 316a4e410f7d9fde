// The frame and every page at the resolution that the wrapper gave the display for this run
// (TARN_WINE_DPI, 96 without it): each text fits its control, no control covers another or
// leaves its window, and the side panel's picture grows with the resolution.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/install_state.h"
#include "core/page_walk.h"
#include "designs.h"
#include "resource_ids.h"
#include "wizard_frame.h"

namespace {

constexpr int PICTURE_DPI = 96;
constexpr COLORREF PANEL_BACKGROUND = RGB(0, 128, 128);

// Every page template, the error and mismatch pages included.
const char* const PAGE_TEMPLATES[] = {"INTRODLG",     "DESTDIRDLG1", "DESTDIRDLG2", "REPLACEDLG",
                                      "STARTDLG",     "COPYFILESDLG", "REGISTRYDLG", "NEWICONDLG",
                                      "READYDLG",     "OSERRORDLG",  "ERRORDLG"};

// Texts that the pages receive while they run, at their longest.
struct RunTimeText {
  int id;
  const char* text;
};
const RunTimeText RUN_TIME_TEXTS[] = {
    {IDC_PRODUCT_IDENTITY, "KQZV 470 385/6 R12D"},
    {IDC_REQUIRED_SIZE, "2047.9 MB"},
    {IDC_AVAILABLE_SIZE, "4096.0 MB"},
    {IDC_COPY_STEP, "Uncompressing:"},
    {IDC_COPY_FILE, "rtunzip32.dll"},
    {IDC_ERROR_MESSAGE, "Cannot create file C:\\Program Files\\TARN\\tarn.exe. Be sure the disk is writable and you "
                        "have write access.\n\nIf you have an earlier version of TARN running, please close it down "
                        "and restart the installation."},
};

int DisplayDpi() {
  const char* dpi = std::getenv("TARN_WINE_DPI");
  return dpi != nullptr ? std::atoi(dpi) : PICTURE_DPI;
}

std::string ClassOf(HWND window) {
  char name[64];
  return GetClassNameA(window, name, sizeof name) > 0 ? name : "";
}

std::string TextOf(HWND window) {
  char text[1024];
  const int length = GetWindowTextA(window, text, sizeof text);
  return std::string(text, length > 0 ? length : 0);
}

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

bool IsGroupBox(HWND window) { return ClassOf(window) == "Button" && (StyleOf(window) & BS_TYPEMASK) == BS_GROUPBOX; }

// What the control's text needs, in its own font: word-wrapped to the width for a static, on
// one line for a button.
SIZE TextNeeds(HWND control, int width, UINT format) {
  const std::string text = TextOf(control);
  HDC dc = GetDC(control);
  HGDIOBJ kept = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT needed = {0, 0, width, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &needed, format | DT_CALCRECT | DT_EXPANDTABS);
  SelectObject(dc, kept);
  ReleaseDC(control, dc);
  return {needed.right - needed.left, needed.bottom - needed.top};
}

// The room a button leaves its text: the classic look's edges of a push button, and the box
// and the gap before the text of a check box or radio button.
int TextRoom(HWND button, int width, int dpi) {
  const LONG type = StyleOf(button) & BS_TYPEMASK;
  if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) return width - 4 * GetSystemMetrics(SM_CXEDGE);
  return width - MulDiv(13 + 4, dpi, PICTURE_DPI);
}

// Every text of the window's controls within its control.
void ExpectTextsFit(HWND window, const std::string& where, int dpi) {
  for (HWND control = GetWindow(window, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
    if (TextOf(control).empty()) continue;
    RECT client;
    GetClientRect(control, &client);
    const std::string name = where + " control " + std::to_string(GetDlgCtrlID(control)) + " \"" + TextOf(control) + "\"";
    const std::string kind = ClassOf(control);
    if (kind == "Static") {
      const SIZE needs = TextNeeds(control, client.right, DT_WORDBREAK);
      EXPECT_LE(needs.cx, client.right) << name << ": a word is wider than the control";
      EXPECT_LE(needs.cy, client.bottom) << name << ": the lines are taller than the control";
    } else if (kind == "Button" && !IsGroupBox(control)) {
      const SIZE needs = TextNeeds(control, client.right, DT_SINGLELINE);
      EXPECT_LE(needs.cx, TextRoom(control, client.right, dpi)) << name << ": wider than the control";
      EXPECT_LE(needs.cy, client.bottom) << name << ": taller than the control";
    }
  }
}

RECT ScreenRect(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect;
}

std::string Text(const RECT& rect) {
  return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" + std::to_string(rect.right) + "," +
         std::to_string(rect.bottom) + ")";
}

// Grows the box to take in the pixel.
void TakeIn(RECT& box, int x, int y) {
  box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
         std::max<LONG>(box.bottom, y + 1)};
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

// No two visible children overlap, but for what a group box holds whole; each lies within the
// window's client area.
void ExpectNoOverlaps(HWND window, const std::string& where) {
  RECT client;
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    if (IsWindowVisible(child)) children.push_back(child);
  for (size_t i = 0; i < children.size(); ++i) {
    const RECT first = ScreenRect(children[i]);
    const std::string firstName = where + " control " + std::to_string(GetDlgCtrlID(children[i]));
    EXPECT_TRUE(Contains(client, first)) << firstName << " reaches out of its window";
    for (size_t j = i + 1; j < children.size(); ++j) {
      const RECT second = ScreenRect(children[j]);
      RECT common;
      if (!IntersectRect(&common, &first, &second)) continue;
      const bool heldWhole = (IsGroupBox(children[i]) && Contains(first, second)) ||
                             (IsGroupBox(children[j]) && Contains(second, first));
      EXPECT_TRUE(heldWhole) << firstName << " " << Text(first) << " and control " << GetDlgCtrlID(children[j]) << " "
                             << Text(second) << " overlap";
    }
  }
}

// The frame standing on the welcome page.
class PageLayout : public testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(OpenWizardFrame()); }
  void TearDown() override { CloseWizardFrame(); }
};

// The manifest (this program carries setup.exe's) declares system awareness, as the platform
// reads it when it starts the program (Wine takes every program for aware, so the setting is
// asked for itself); and the rest measures what the display shows.
TEST_F(PageLayout, TheManifestDeclaresDpiAwarenessAndTheProgramSeesTheResolution) {
  using Query = BOOL(WINAPI*)(DWORD, HANDLE, const wchar_t*, const wchar_t*, wchar_t*, SIZE_T, SIZE_T*);
  const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryActCtxSettingsW")));
  ASSERT_NE(query, nullptr);
  wchar_t setting[16] = L"";
  SIZE_T written = 0;
  EXPECT_TRUE(query(0, nullptr, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware", setting,
                    sizeof setting / sizeof setting[0], &written));
  EXPECT_EQ(std::wstring(setting), L"true");
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), DisplayDpi());
  ReleaseDC(nullptr, screen);
}

// The page is a child of the frame, beside the panel, the separator and the buttons.
TEST_F(PageLayout, EveryTextFitsAndNoControlCoversAnother) {
  const int dpi = DisplayDpi();
  ExpectTextsFit(installState.mainWindow, "MAINDLG", dpi);
  for (const char* name : PAGE_TEMPLATES) {
    DestroyWindow(installState.currentPage);
    HWND page = CreatePage(name, DefaultPageProc);
    ASSERT_NE(page, nullptr) << name;
    for (const RunTimeText& text : RUN_TIME_TEXTS)
      if (GetDlgItem(page, text.id) != nullptr) SetDlgItemTextA(page, text.id, text.text);
    ExpectTextsFit(page, name, dpi);
    ExpectNoOverlaps(page, name);
    ExpectNoOverlaps(installState.mainWindow, std::string("MAINDLG with ") + name);
  }
}

// The panel as painted: the picture's drawn part (what is not the background) as large as the
// drawing's at this scale, give or take the smoothing at its edges; a picture cut off by the
// panel's edge would come out smaller.
TEST_F(PageLayout, ThePanelsPictureGrowsWithTheResolution) {
  const IndexedImage drawn = DrawPanel();
  RECT design = {drawn.Width(), drawn.Height(), 0, 0};
  for (int y = 0; y < drawn.Height(); ++y)
    for (int x = 0; x < drawn.Width(); ++x) {
      const Rgb& colour = STANDARD_PALETTE[drawn.At(x, y)];
      if (RGB(colour.red, colour.green, colour.blue) != PANEL_BACKGROUND) TakeIn(design, x, y);
    }
  HWND panel = GetDlgItem(installState.mainWindow, IDC_BITMAP_PANEL);
  ASSERT_TRUE(PumpUntil([&] { return GetUpdateRect(panel, nullptr, FALSE) == 0; }));
  RECT client;
  GetClientRect(panel, &client);
  RECT painted = {client.right, client.bottom, 0, 0};
  HDC dc = GetDC(panel);
  // Inside the panel's sunken edge, two pixels at the top and left, one at the far sides.
  for (int y = 2; y < client.bottom - 1; ++y)
    for (int x = 2; x < client.right - 1; ++x)
      if (GetPixel(dc, x, y) != PANEL_BACKGROUND) TakeIn(painted, x, y);
  ReleaseDC(panel, dc);

  // As large as the resolution asks, unless that outgrows the panel, whose dialog units follow
  // the font's sizes: then as large as fits it.
  const int dpi = DisplayDpi();
  const double scale = std::min({static_cast<double>(dpi) / PICTURE_DPI, (client.right - 6.0) / drawn.Width(),
                                 (client.bottom - 6.0) / drawn.Height()});
  const double smoothing = dpi == PICTURE_DPI ? 0 : 3;
  const std::string where = "painted " + Text(painted) + " in the panel's " + Text(client);
  EXPECT_NEAR(painted.right - painted.left, (design.right - design.left) * scale, smoothing) << where;
  EXPECT_NEAR(painted.bottom - painted.top, (design.bottom - design.top) * scale, smoothing) << where;
}

} // namespace
