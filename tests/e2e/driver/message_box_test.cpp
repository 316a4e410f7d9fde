// The driver finds, reads and answers a message box of another program, whichever button.
#include "message_box.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "child_process.h"
#include "input.h"
#include "test_environment.h"

namespace {

constexpr char HOST_VARIABLE[] = "TARN_MESSAGE_BOX_HOST";

struct Question {
  const char* buttons;
  const char* caption;
  int answer;
};

void PrintTo(const Question& question, std::ostream* out) { *out << question.caption << " " << question.answer; }

class MessageBoxAnswer : public testing::TestWithParam<Question> {};

} // namespace

TEST_P(MessageBoxAnswer, ReachesTheProgram) {
  const Question& question = GetParam();
  const std::string text = "Shall the test go on?";
  ParkPointer();
  ChildProcess host;
  ASSERT_TRUE(host.Start(WindowsPathFromEnvironment(HOST_VARIABLE),
                         std::string(question.buttons) + " " + question.caption + " \"" + text + "\""));
  HWND box = WaitForMessageBox(host, question.caption);
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(text, MessageBoxText(box));
  AnswerMessageBox(box, question.answer);
  ASSERT_TRUE(host.WaitForExit());
  EXPECT_EQ(static_cast<DWORD>(question.answer), host.ExitCode());
}

INSTANTIATE_TEST_SUITE_P(Buttons, MessageBoxAnswer,
                         testing::Values(Question{"yesno", "Install", IDYES}, Question{"yesno", "Install", IDNO},
                                         Question{"ok", "Error", IDOK}));

TEST(MessageBoxSearch, EndsWhenTheProgramEndsWithoutOne) {
  ChildProcess host;
  ASSERT_TRUE(host.Start(WindowsPathFromEnvironment(HOST_VARIABLE), "too few"));
  EXPECT_EQ(nullptr, WaitForMessageBox(host, "Install"));
  EXPECT_FALSE(host.Running());
}
