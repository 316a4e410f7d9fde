// The icons page in a real frame against scripted "PROGMAN" servers of our own: what the
// server receives, where the wizard goes, and that no atom of ours is left behind. The reply
// time-out is driven by sending the timer message, not by waiting for it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "copier_fixture.h"
#include "copy_hooks.h"
#include "core/frame.h"
#include "core/install_state.h"
#include "core/page_walk.h"
#include "core/platform.h"
#include "destination/directories.h"
#include "import_patch.h"
#include "progman/icons_page.h"
#include "resource_ids.h"
#include "scripted_progman_server.h"
#include "shell_dde_servers.h"
#include "wizard_frame.h"

namespace {

constexpr int ICONS_POSITION = 7;
constexpr int FINISH_POSITION = 8;
const char DESTINATION[] = "C:\\Program Files\\TARN";
const char GROUPS_NOT_CREATED[] = "Installation succeeded, but groups could not be created in Program Shell.";

bool MovedOn() { return installState.pagePosition == FINISH_POSITION; }
bool OnErrorPage() { return installState.failure.code != 0; }
bool AtomLeft(const char* name) { return GlobalFindAtomA(name) != 0; }

// Only the scripted servers may answer.
class ScriptedServersOnly : public testing::Environment {
public:
  void SetUp() override { ASSERT_TRUE(SilenceOtherDdeServers()); }
};
const testing::Environment* const scriptedServersOnly = testing::AddGlobalTestEnvironment(new ScriptedServersOnly);
std::string HelpFile() { return RunsOnNt6() ? "tarn.chm" : "tarn.hlp"; }

std::string NewGroupCommands(const std::string& prefix = "C:\\Program Files\\TARN\\") {
  return "EXECUTE [CreateGroup(\"TARN\")][AddItem(\"" + prefix + "tarn.exe\",\"TARN\")][AddItem(\"" + prefix +
         HelpFile() + "\",\"TARN help\")]";
}

class IconsPage : public testing::Test {
protected:
  void SetUp() override {
    ResetInstallState(GetModuleHandleA(nullptr));
    // The silenced desktop process still holds the name "PROGMAN".
    progmanReferences = GlobalAtomReferences("PROGMAN");
  }

  // The frame goes first, ending the conversation; then the servers, then the atoms are looked at.
  void TearDown() override {
    CloseWizardFrame();
    for (auto& server : servers) server->Flush();
    servers.clear();
    EXPECT_EQ(GlobalAtomReferences("PROGMAN"), progmanReferences);
    EXPECT_FALSE(AtomLeft("TARN"));
  }

  ScriptedProgmanServer& Serve(const ServerScript& script) {
    servers.push_back(std::make_unique<ScriptedProgmanServer>(script));
    return *servers.back();
  }

  // The frame as the entry function makes it, then the walk taken straight to the icons page.
  void ShowIconsPage(GroupItem* items, const char* destination = DESTINATION) {
    ASSERT_TRUE(OpenWizardFrame());
    installState.catalogue.groupItems = items;
    StoreDestinationDirectory(destination);
    GoToPosition(ICONS_POSITION);
    ASSERT_NE(openConversation.Get(), nullptr);
    EXPECT_EQ(ControlText(installState.mainWindow, IDC_EXIT), "Abort");
  }

  // The reply time-out, at once.
  static void ExpireReplyTimer() { SendMessageA(installState.currentPage, WM_TIMER, REPLY_TIMER, 0); }

  static void ExpectGroupsNotCreated() {
    EXPECT_EQ(installState.failure.code, FAILURE_GROUPS_NOT_CREATED);
    EXPECT_EQ(ControlText(installState.currentPage, IDC_ERROR_MESSAGE), GROUPS_NOT_CREATED);
    EXPECT_EQ(openConversation.Get(), nullptr);
  }

  GroupItem items[3] = {
      {COMPONENT_PROGRAM, "tarn.exe", "TARN", 1, 0, ROW_SELECTED},
      {COMPONENT_PROGRAM, "tarn.hlp", "TARN help", 1, 0, ROW_SELECTED},
      {COMPONENT_END, nullptr, "TARN", 0, 0, 0},
  };
  std::vector<std::unique_ptr<ScriptedProgmanServer>> servers;
  int progmanReferences = 0;
};

using Lines = std::vector<std::string>;

TEST_F(IconsPage, NewGroupTakesOneCommandStringThenTheFinishPageFollows) {
  ScriptedProgmanServer& server = Serve({});
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(MovedOn));
  server.Flush();
  EXPECT_EQ(server.Received(), (Lines{"INITIATE PROGMAN PROGMAN", "REQUEST PROGMAN", "ACK positive",
                                      NewGroupCommands(), "TERMINATE"}));
  EXPECT_EQ(openConversation.Get(), nullptr);
  EXPECT_EQ(installState.failure.code, 0);
}

TEST_F(IconsPage, ExistingGroupIsShownAndItsItemsReplacedCaseIgnored) {
  ServerScript script;
  script.groupList = "Accessories\r\nTARN\r\n";
  script.groupItems = "\"TARN\",C:\\Groups\\tarn.grp,0,0,2\r\n\"TARN\",\"\",C:\\old\\tarn.exe,0,0,0,0,0\r\n"
                      "\"tarn HELP\",\"\",C:\\old\\tarn.hlp,0,0,0,0,0\r\n";
  ScriptedProgmanServer& server = Serve(script);
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(MovedOn));
  server.Flush();
  const std::string prefix = "C:\\Program Files\\TARN\\";
  EXPECT_EQ(server.Received(),
            (Lines{"INITIATE PROGMAN PROGMAN", "REQUEST PROGMAN", "ACK positive", "REQUEST TARN", "ACK positive",
                   "EXECUTE [CreateGroup(\"TARN\")][ShowGroup(TARN,1)][DeleteItem(TARN)][AddItem(\"" + prefix +
                       "tarn.exe\",\"TARN\")][DeleteItem(TARN help)][AddItem(\"" + prefix + HelpFile() +
                       "\",\"TARN help\")]",
                   "TERMINATE"}));
}

TEST_F(IconsPage, GroupWithoutOurItemsIsShownAndNothingDeleted) {
  ServerScript script;
  script.groupList = "TARN\r\n";
  script.groupItems = "\"TARN\",C:\\Groups\\tarn.grp,0,0,1\r\n\"Readme\",\"\",C:\\old\\readme.txt,0,0,0,0,0\r\n";
  ScriptedProgmanServer& server = Serve(script);
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(MovedOn));
  server.Flush();
  ASSERT_EQ(server.CountOf("EXECUTE"), 1u);
  const std::string commands = server.Received()[5];
  EXPECT_EQ(commands.rfind("EXECUTE [CreateGroup(\"TARN\")][ShowGroup(TARN,1)][AddItem(", 0), 0u) << commands;
  EXPECT_EQ(commands.find("DeleteItem"), std::string::npos);
}

TEST_F(IconsPage, DriveRootDestinationTakesOneBackslash) {
  ScriptedProgmanServer& server = Serve({});
  ShowIconsPage(items, "E:\\");
  ASSERT_TRUE(PumpUntil(MovedOn));
  server.Flush();
  EXPECT_EQ(server.CountOf(NewGroupCommands("E:\\")), 1u);
}

TEST_F(IconsPage, NegativeAcknowledgementOfTheCommandsStillMovesOn) {
  ServerScript script;
  script.commandsAnswer = ServerScript::ACK_NEGATIVE;
  ScriptedProgmanServer& server = Serve(script);
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(MovedOn));
  server.Flush();
  EXPECT_EQ(server.CountOf("TERMINATE"), 1u);
  EXPECT_EQ(installState.failure.code, 0);
}

TEST_F(IconsPage, GroupListNotInTextIsRefusedAndTheGroupCountsAsAbsent) {
  ServerScript script;
  script.groupList = "TARN\r\n";
  script.listAnswer = ServerScript::NOT_TEXT;
  ScriptedProgmanServer& server = Serve(script);
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(MovedOn));
  server.Flush();
  EXPECT_EQ(server.Received(), (Lines{"INITIATE PROGMAN PROGMAN", "REQUEST PROGMAN", "ACK negative",
                                      NewGroupCommands(), "TERMINATE"}));
}

// The shell's answer twice, or an unasked block from a window that is not our server: the
// commands go out once, and every block is acknowledged.
TEST_F(IconsPage, DuplicateGroupListSendsTheCommandsOnce) {
  ServerScript script;
  script.listAnswer = ServerScript::ANSWER_TWICE;
  ScriptedProgmanServer& server = Serve(script);
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(MovedOn));
  server.Flush();
  EXPECT_EQ(server.CountOf("EXECUTE"), 1u);
  EXPECT_EQ(server.CountOf("ACK positive"), 2u);
}

TEST_F(IconsPage, DataFromAStrangerIsAcknowledgedAndIgnored) {
  ServerScript stranger;
  stranger.answerInitiation = false;
  stranger.sendUnaskedData = true;
  ScriptedProgmanServer& other = Serve(stranger);
  ScriptedProgmanServer& server = Serve({});
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(MovedOn));
  other.Flush();
  server.Flush();
  EXPECT_EQ(other.Received(), (Lines{"INITIATE PROGMAN PROGMAN", "ACK positive"}));
  // The stranger's list names TARN; ours does not, and only ours counts.
  EXPECT_EQ(server.CountOf(NewGroupCommands()), 1u);
}

TEST_F(IconsPage, OfTwoServersOnlyTheFirstIsTalkedToAndTheOtherConversationIsEnded) {
  ScriptedProgmanServer& one = Serve({});
  ScriptedProgmanServer& two = Serve({});
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(MovedOn));
  one.Flush();
  two.Flush();
  const bool oneFirst = one.CountOf("REQUEST") != 0;
  ScriptedProgmanServer& first = oneFirst ? one : two;
  ScriptedProgmanServer& second = oneFirst ? two : one;
  EXPECT_EQ(first.Received(), (Lines{"INITIATE PROGMAN PROGMAN", "REQUEST PROGMAN", "ACK positive",
                                     NewGroupCommands(), "TERMINATE"}));
  EXPECT_EQ(second.Received(), (Lines{"INITIATE PROGMAN PROGMAN", "TERMINATE"}));
}

TEST_F(IconsPage, WithoutGroupItemsTheFinishPageFollowsAndNoServerHearsAnything) {
  ScriptedProgmanServer& server = Serve({});
  ShowIconsPage(nullptr);
  ASSERT_TRUE(PumpUntil(MovedOn));
  server.Flush();
  EXPECT_EQ(server.Received(), Lines{});
}

TEST_F(IconsPage, GroupNameOverItsLimitIsNotAskedAbout) {
  ScriptedProgmanServer& server = Serve({});
  const std::string name(GROUP_NAME_LIMIT + 1, 'G');
  items[2].caption = name.c_str();
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(OnErrorPage));
  ExpectGroupsNotCreated();
  server.Flush();
  EXPECT_EQ(server.Received(), Lines{});
}

TEST_F(IconsPage, AbortWhileWaitingEndsWithoutAQuestionAndNothingIsExecuted) {
  ServerScript script;
  script.listAnswer = ServerScript::NEVER;
  ScriptedProgmanServer& server = Serve(script);
  MessageBoxAnswerer answerer(IDNO);
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil([&] { return server.CountOf("REQUEST") == 1; }));
  PostMessageA(installState.mainWindow, WM_COMMAND, IDC_EXIT, 0);
  ASSERT_TRUE(PumpUntil([] { return installState.mainWindow == nullptr; }));
  EXPECT_TRUE(answerer.Questions().empty());
  EXPECT_EQ(openConversation.Get(), nullptr);
  server.Flush();
  EXPECT_EQ(server.Received(), (Lines{"INITIATE PROGMAN PROGMAN", "REQUEST PROGMAN", "TERMINATE"}));
}

// Silence or a refusal: the page waits for the reply time-out, then shows
// FAILURE_GROUPS_NOT_CREATED and ends the conversation.
struct Silence {
  const char* name;
  ServerScript script;
  const char* lastHeard;
};

ServerScript Script(ServerScript::Answer list, ServerScript::Answer items, ServerScript::CommandsAnswer commands) {
  ServerScript script;
  script.groupList = "TARN\r\n";
  script.groupItems = "\"TARN\",x\r\n";
  script.listAnswer = list;
  script.itemsAnswer = items;
  script.commandsAnswer = commands;
  return script;
}

class ReplyTimeOut : public IconsPage, public testing::WithParamInterface<Silence> {};

TEST_P(ReplyTimeOut, ShowsTheErrorPageAndEndsTheConversation) {
  ScriptedProgmanServer& server = Serve(GetParam().script);
  ShowIconsPage(items);
  const std::string lastHeard = GetParam().lastHeard;
  // Once the client has the refusal it has deleted the item atom it got back.
  ASSERT_TRUE(PumpUntil([&] {
    return server.CountOf(lastHeard) == 1 && !AtomLeft("TARN") && GlobalAtomReferences("PROGMAN") == progmanReferences;
  }));
  EXPECT_EQ(installState.pagePosition, ICONS_POSITION);
  ExpireReplyTimer();
  ExpectGroupsNotCreated();
  server.Flush();
  const Lines received = server.Received();
  ASSERT_FALSE(received.empty());
  EXPECT_EQ(received.back(), "TERMINATE");
  if (lastHeard != "EXECUTE") {
    EXPECT_EQ(server.CountOf("EXECUTE"), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    IconsPage, ReplyTimeOut,
    testing::Values(Silence{"NoGroupList", Script(ServerScript::NEVER, ServerScript::ANSWER, ServerScript::ACK_POSITIVE), "REQUEST PROGMAN"},
                    Silence{"GroupListRefused", Script(ServerScript::REFUSE, ServerScript::ANSWER, ServerScript::ACK_POSITIVE), "REQUEST PROGMAN"},
                    Silence{"NoGroupItems", Script(ServerScript::ANSWER, ServerScript::NEVER, ServerScript::ACK_POSITIVE), "REQUEST TARN"},
                    Silence{"GroupItemsRefused", Script(ServerScript::ANSWER, ServerScript::REFUSE, ServerScript::ACK_POSITIVE), "REQUEST TARN"},
                    Silence{"NoAcknowledgement", Script(ServerScript::ANSWER, ServerScript::ANSWER, ServerScript::NO_ACK), "EXECUTE"}),
    [](const testing::TestParamInfo<Silence>& info) { return std::string(info.param.name); });

// A step that cannot be taken arms no time-out: the error page comes at once instead.
TEST_F(IconsPage, NoServerShowsTheErrorPageAtOnce) {
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(OnErrorPage));
  ExpectGroupsNotCreated();
}

TEST_F(IconsPage, RequestThatCannotBePostedShowsTheErrorPageAtOnce) {
  ServerScript script;
  script.answerFromDeadWindow = true;
  ScriptedProgmanServer& server = Serve(script);
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(OnErrorPage));
  ExpectGroupsNotCreated();
  server.Flush();
  EXPECT_EQ(server.Received(), Lines{"INITIATE PROGMAN PROGMAN"});
}

TEST_F(IconsPage, CommandsThatCannotBePostedShowTheErrorPageAtOnce) {
  ServerScript script;
  script.listAnswer = ServerScript::ANSWER_AND_GO;
  ScriptedProgmanServer& server = Serve(script);
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(OnErrorPage));
  ExpectGroupsNotCreated();
  server.Flush();
  EXPECT_EQ(server.Received(), (Lines{"INITIATE PROGMAN PROGMAN", "REQUEST PROGMAN"}));
}

HGLOBAL(WINAPI* originalGlobalAlloc)(UINT, SIZE_T);

// Refuses the command block alone: the server thread's data blocks are movable.
HGLOBAL WINAPI NoCommandMemory(UINT flags, SIZE_T size) {
  return flags == GMEM_DDESHARE ? nullptr : originalGlobalAlloc(flags, size);
}

TEST_F(IconsPage, CommandMemoryThatCannotBeHadShowsTheErrorPageAtOnce) {
  ImportPatch patch("kernel32.dll", "GlobalAlloc", reinterpret_cast<void*>(&NoCommandMemory));
  ASSERT_TRUE(patch.Applied());
  originalGlobalAlloc = reinterpret_cast<HGLOBAL(WINAPI*)(UINT, SIZE_T)>(patch.Original());
  ScriptedProgmanServer& server = Serve({});
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(OnErrorPage));
  ExpectGroupsNotCreated();
  server.Flush();
  EXPECT_EQ(server.CountOf("EXECUTE"), 0u);
}

TEST_F(IconsPage, CommandStringOverItsLimitIsNotSent) {
  const std::string caption(COMMANDS_CAPACITY, 'c');
  items[0].caption = caption.c_str();
  ScriptedProgmanServer& server = Serve({});
  ShowIconsPage(items);
  ASSERT_TRUE(PumpUntil(OnErrorPage));
  ExpectGroupsNotCreated();
  server.Flush();
  EXPECT_EQ(server.Received(), (Lines{"INITIATE PROGMAN PROGMAN", "REQUEST PROGMAN", "ACK positive", "TERMINATE"}));
}

} // namespace
