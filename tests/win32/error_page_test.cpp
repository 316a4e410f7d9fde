// The error page in a real frame: its message for every code, and only "Close" left to press.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/install_state.h"
#include "core/page_walk.h"
#include "resource_ids.h"
#include "wizard_frame.h"

namespace {

constexpr char ARGUMENT[] = "C:\\Program Files\\TARN\\tarn.exe";

struct Expectation {
  int code;
  std::string text; // with ARGUMENT inserted
};

void PrintTo(const Expectation& expectation, std::ostream* out) { *out << "code " << expectation.code; }

const std::string A = ARGUMENT;
const Expectation EXPECTATIONS[] = {
    {1, "The source file " + A + " is missing. Contact your supplier."},
    {2, "Internal data is missing. Contact your supplier."},
    {3, "Cannot create file " + A +
            ". Be sure the disk is writable and you have write access.\n\nIf you have an earlier version of TARN "
            "running, please close it down and restart the installation."},
    {4, "Cannot read from file " + A + ". The source disk may be bad."},
    {5, "Cannot write to file " + A + ". A write error has occurred."},
    {6, "The size of file " + A + " is incorrect. A write error has occurred."},
    {7, "Checksum error in file " + A + ". The source disk may be bad."},
    {8, "Cannot calculate CRC in file " + A + ". A read error occurred."},
    {9, "Cannot uncompress file " + A + ". File is bad or a write error occurred."},
    {10, "Installation aborted."},
    {11, "Cannot create directory."},
    {12, "Cannot create registry entry."},
    {13, "Installation succeeded, but groups could not be created in Program Shell."},
};

std::string TextOf(HWND window) {
  char text[4096];
  const int length = GetWindowTextA(window, text, sizeof text);
  return std::string(text, length > 0 ? length : 0);
}

HWND FrameButton(int id) { return GetDlgItem(installState.mainWindow, id); }

bool LooksDefault(int id) { return (GetWindowLongA(FrameButton(id), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

// A frame as the entry function makes it, standing on the welcome page.
class ErrorPageTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(OpenWizardFrame());
    ASSERT_NE(nullptr, installState.currentPage);
    welcomePage = installState.currentPage;
  }

  void TearDown() override { CloseWizardFrame(); }

  static std::string Message() { return TextOf(GetDlgItem(installState.currentPage, IDC_ERROR_MESSAGE)); }

  HWND welcomePage = nullptr;
};

class ErrorPageForCode : public ErrorPageTest, public testing::WithParamInterface<Expectation> {};

} // namespace

TEST_P(ErrorPageForCode, ShowsTheMessageWithOnlyCloseLeft) {
  const Expectation& expected = GetParam();
  Fail(expected.code, ARGUMENT);
  ShowErrorPage();

  HWND page = installState.currentPage;
  ASSERT_NE(nullptr, page);
  EXPECT_FALSE(IsWindow(welcomePage));
  EXPECT_TRUE(IsWindowVisible(page));
  EXPECT_EQ("Installation not completed", TextOf(GetDlgItem(page, IDC_PAGE_TITLE)));
  EXPECT_EQ(expected.text, Message());
  EXPECT_EQ("Close", TextOf(FrameButton(IDC_EXIT)));
  EXPECT_FALSE(IsWindowEnabled(FrameButton(IDC_BACK)));
  EXPECT_FALSE(IsWindowEnabled(FrameButton(IDC_NEXT)));
  EXPECT_TRUE(IsWindowEnabled(FrameButton(IDC_EXIT)));
  EXPECT_EQ(MAKELONG(IDC_EXIT, DC_HASDEFID), SendMessageA(installState.mainWindow, DM_GETDEFID, 0, 0));
  EXPECT_TRUE(LooksDefault(IDC_EXIT));
  EXPECT_FALSE(LooksDefault(IDC_NEXT));
  EXPECT_EQ(FrameButton(IDC_EXIT), GetFocus());

  NextPage();
  PreviousPage();
  EXPECT_EQ(page, installState.currentPage);
  EXPECT_TRUE(IsWindow(page));
  EXPECT_EQ(expected.code, installState.failure.code);
  EXPECT_EQ(expected.text, Message());
}

INSTANTIATE_TEST_SUITE_P(AllCodes, ErrorPageForCode, testing::ValuesIn(EXPECTATIONS),
                         [](const auto& info) { return "Code" + std::to_string(info.param.code); });

TEST_F(ErrorPageTest, MessageWithoutPlaceholderNeedsNoArgument) {
  Fail(FAILURE_ABORTED);
  ShowErrorPage();
  EXPECT_EQ("Installation aborted.", Message());
}

// The caller's argument may be far longer than any path; the message must still come out
// whole around it, without running past its buffer.
TEST_F(ErrorPageTest, VeryLongArgumentDoesNotOverrun) {
  std::string argument;
  while (argument.size() < 5000) argument += "C:\\deep\\" + std::to_string(argument.size());
  Fail(FAILURE_SOURCE_MISSING, argument.c_str());
  ShowErrorPage();

  const std::string prefix = "The source file ";
  const std::string suffix = " is missing. Contact your supplier.";
  const std::string text = Message();
  ASSERT_GE(text.size(), prefix.size() + suffix.size());
  EXPECT_EQ(0u, text.compare(0, prefix.size(), prefix));
  EXPECT_EQ(0u, text.compare(text.size() - suffix.size(), suffix.size(), suffix));
  const std::string shown = text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
  EXPECT_GE(shown.size(), 255u);
  EXPECT_EQ(0u, argument.compare(0, shown.size(), shown)) << "the argument is shown from its start";
}
