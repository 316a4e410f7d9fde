// The walk through the pages with Next and Back, and the lock once the work has begun.
#include <gtest/gtest.h>

#include "installer_session.h"
#include "resource_ids.h"
#include "wizard_steps.h"

namespace {

// Back and Next both on, Next the default: every page between the first and the work.
void ExpectFreeToMove(const InstallerSession& setup) {
  EXPECT_TRUE(setup.ButtonEnabled(IDC_BACK)) << setup.PageTitle();
  EXPECT_TRUE(setup.ButtonEnabled(IDC_NEXT)) << setup.PageTitle();
  EXPECT_EQ(IDC_NEXT, setup.DefaultButton()) << setup.PageTitle();
}

} // namespace

// The page after the welcome page is the destination page: the passive page never shows.
TEST(Walk, NextAndBackMoveBetweenThePagesBeforeCopying) {
  InstallerSession setup;
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkTo(setup, DESTINATION_TITLE));
  ExpectFreeToMove(setup);
  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_NEXT, SUMMARY_TITLE));
  ExpectFreeToMove(setup);

  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_BACK, DESTINATION_TITLE));
  ExpectFreeToMove(setup);
  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_BACK, WELCOME_TITLE));
  EXPECT_FALSE(setup.ButtonEnabled(IDC_BACK));
  EXPECT_EQ(IDC_NEXT, setup.DefaultButton());

  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_NEXT, DESTINATION_TITLE));
  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_NEXT, SUMMARY_TITLE));
}

// What holds on the copy page holds on every work page after it, so the checks cannot race
// the pages that move on by themselves.
TEST(Walk, WorkPagesLeaveOnlyTheExitButton) {
  InstallerSession setup;
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(WalkTo(setup, SUMMARY_TITLE));
  ASSERT_TRUE(ClickAndArriveAt(setup, IDC_NEXT, COPY_TITLE));
  EXPECT_FALSE(setup.ButtonEnabled(IDC_BACK));
  EXPECT_FALSE(setup.ButtonEnabled(IDC_NEXT));
  EXPECT_TRUE(setup.ButtonEnabled(IDC_EXIT));
  EXPECT_EQ(IDC_EXIT, setup.FocusedControl());
  EXPECT_EQ(IDC_EXIT, setup.DefaultButton());
}
