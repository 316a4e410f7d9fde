// The shared-files directory: used on the destination's drive, ignored on another, and an
// error when it cannot be made. A program of its own: the directory, once set, stays set.
#include <windows.h>

#include <gtest/gtest.h>

#include "copier_fixture.h"
#include "core/page_walk.h"
#include "destination/directories.h"

namespace {

const std::string COMMON_FILES = "C:\\Program Files\\Common Files\\";

using SharedCopy = CopierFixture;

TEST_F(SharedCopy, OnTheDestinationsDriveFlaggedRowsGoToTheSharedDirectory) {
  SetSharedDirectory("TARNShared", "same");
  payload.Add("shared.dll", SampleContent(400, 30), true);
  payload.Add("own.dll", SampleContent(400, 31), true);
  payload.Row(0).intoSharedDirectory = 1;
  ASSERT_EQ(Run(), 1) << "error " << installState.failure.code;
  EXPECT_EQ(ReadWholeFile(COMMON_FILES + "TARNShared\\same\\shared.dll"), SampleContent(400, 30));
  EXPECT_EQ(Installed("own.dll"), SampleContent(400, 31));
  EXPECT_EQ(payload.Row(0).intoSharedDirectory, 1);
}

TEST_F(SharedCopy, OnAnotherDriveTheSharedDirectoryIsNotUsedAndTheFlagsAreCleared) {
  destination = "E:\\elsewhere";
  CreateDirectoryA(destination.c_str(), nullptr);
  StoreDestinationDirectory(destination.c_str());
  SetSharedDirectory("TARNShared", "other");
  payload.Add("shared.dll", SampleContent(400, 32), true);
  payload.Add("unchosen.dll", SampleContent(400, 33), true);
  payload.Row(0).intoSharedDirectory = 1;
  payload.Row(1).intoSharedDirectory = 1;
  payload.Row(1).selected = ROW_NOT_SELECTED;
  OptionalRow choices[] = {{COMPONENT_PROGRAM, 0, 1, ROW_SELECTED}, {COMPONENT_PROGRAM, 0, 1, ROW_NOT_SELECTED}, {}};
  catalogue.sharedChoiceRows = choices;
  ASSERT_EQ(Run(), 1) << "error " << installState.failure.code;
  EXPECT_EQ(Installed("shared.dll"), SampleContent(400, 32));
  EXPECT_EQ(GetFileAttributesA((COMMON_FILES + "TARNShared\\other").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(payload.Row(0).intoSharedDirectory, 0);
  EXPECT_EQ(payload.Row(1).intoSharedDirectory, 1);
  EXPECT_EQ(choices[0].intoSharedDirectory, 0);
  EXPECT_EQ(choices[1].intoSharedDirectory, 1);
}

TEST_F(SharedCopy, ASharedDirectoryThatCannotBeMadeFailsToCreateTheDirectoryBeforeAnyFile) {
  ASSERT_TRUE(WriteWholeFile(COMMON_FILES + "TARNBlocked", "a file where a directory should go"));
  SetSharedDirectory("TARNBlocked", "inner");
  payload.Add("never.dll", SampleContent(400, 34), true);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(installState.failure.code, FAILURE_CANNOT_CREATE_DIRECTORY);
  EXPECT_STREQ(installState.failure.Argument(), (COMMON_FILES + "TARNBlocked\\inner\\").c_str());
  EXPECT_EQ(Installed("never.dll"), "(missing)");
}

} // namespace
