// The frame as it opens, and the keys that work on it.
#include <gtest/gtest.h>

#include "installer_session.h"
#include "resource_ids.h"
#include "window_query.h"
#include "wizard_steps.h"

TEST(Frame, OpensCentredWithItsButtonsAndTheWelcomePage) {
  InstallerSession setup;
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(setup.WaitForPageTitle(WELCOME_TITLE));
  EXPECT_TRUE(setup.Screenshot());

  EXPECT_EQ("Install", WindowText(setup.Frame()));
  RECT frame;
  GetWindowRect(setup.Frame(), &frame);
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2, frame.left);
  EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2, frame.top);

  EXPECT_EQ("<<  &Back ", setup.ButtonCaption(IDC_BACK));
  EXPECT_EQ(" &Next  >>", setup.ButtonCaption(IDC_NEXT));
  EXPECT_EQ("Exit", setup.ButtonCaption(IDC_EXIT));
  EXPECT_FALSE(setup.ButtonEnabled(IDC_BACK));
  EXPECT_TRUE(setup.ButtonEnabled(IDC_NEXT));
  EXPECT_TRUE(setup.ButtonEnabled(IDC_EXIT));
  EXPECT_EQ(IDC_NEXT, setup.DefaultButton());
  EXPECT_EQ(IDC_NEXT, setup.FocusedControl());
}

// Keys are handled in the order pressed: once Enter has moved the wizard on, Esc, pressed
// before it, has been handled too, and it must have left the program where it was.
TEST(Frame, EscapeIsIgnored) {
  InstallerSession setup;
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(setup.WaitForPageTitle(WELCOME_TITLE));
  setup.PressKey(VK_ESCAPE);
  setup.PressKey(VK_RETURN);
  ASSERT_TRUE(setup.WaitForPageTitle(DESTINATION_TITLE));
  EXPECT_TRUE(setup.Running());
}

// With the focus in the edit field, not on a button, Enter still presses Next.
TEST(Frame, EnterPressesTheDefaultButtonWhereverTheFocusIs) {
  InstallerSession setup;
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkTo(setup, DESTINATION_TITLE));
  ASSERT_TRUE(setup.ClickPageControl(IDC_DESTINATION_EDIT));
  EXPECT_EQ(IDC_NEXT, setup.DefaultButton());
  setup.PressKey(VK_RETURN);
  ASSERT_TRUE(setup.WaitForPageTitle(SUMMARY_TITLE));
  EXPECT_TRUE(setup.Screenshot());
}
