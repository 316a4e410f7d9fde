// The call stop ends a program at the chosen call and at no other moment, whether the export
// is the function itself or forwards to another library; a program that makes fewer calls runs
// to its own end. Then setup.exe itself, stopped at its first registry value.
#include "call_stop.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "registry_text.h"
#include "test_environment.h"
#include "whole_file.h"

namespace {

constexpr char THREE_FILES_VARIABLE[] = "TARN_THREE_FILES";
constexpr char MISSING[] = "(missing)";

struct Stop {
  const char* function;
  int occurrence;
};

void PrintTo(const Stop& stop, std::ostream* out) { *out << stop.function << " " << stop.occurrence; }

// A folder of its own for each run of the helper.
std::string FreshFolder(const std::string& name) {
  const std::string folder = "C:\\" + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::vector<std::string> FilesMade(const std::string& folder) {
  std::vector<std::string> contents;
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) contents.push_back(ReadWholeFile(folder + "\\" + name));
  return contents;
}

class CallStopAt : public testing::TestWithParam<Stop> {};

} // namespace

TEST_P(CallStopAt, EndsTheProgramBeforeTheCallActs) {
  const Stop stop = GetParam();
  const std::string folder = FreshFolder(std::string(stop.function) + std::to_string(stop.occurrence));
  const StoppedRun run = RunUntilCall(WindowsPathFromEnvironment(THREE_FILES_VARIABLE), folder,
                                      {"kernel32.dll", stop.function, stop.occurrence});
  EXPECT_TRUE(run.stopped);
  EXPECT_TRUE(run.ended);
  EXPECT_EQ(run.exitCode, CALL_STOP_EXIT_CODE);
  EXPECT_EQ(run.callsSeen, stop.occurrence);
  std::vector<std::string> expected = {"a.txt", "b.txt", "c.txt"};
  for (size_t file = static_cast<size_t>(stop.occurrence) - 1; file < expected.size(); ++file) expected[file] = MISSING;
  EXPECT_EQ(FilesMade(folder), expected);
}

INSTANTIATE_TEST_SUITE_P(Occurrences, CallStopAt,
                         testing::Values(Stop{"CreateFileA", 1}, Stop{"CreateFileA", 2}, Stop{"CreateFileA", 3},
                                         Stop{"HeapAlloc", 2}));

TEST(CallStop, AProgramThatMakesFewerCallsEndsByItselfWithEveryCallCounted) {
  const std::string folder = FreshFolder("beyond");
  const StoppedRun run =
      RunUntilCall(WindowsPathFromEnvironment(THREE_FILES_VARIABLE), folder, {"kernel32.dll", "CreateFileA", 4});
  EXPECT_FALSE(run.stopped);
  EXPECT_TRUE(run.ended);
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_EQ(run.callsSeen, 3);
  EXPECT_EQ(FilesMade(folder), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
}

TEST(CallStop, EndsSetupAtItsFirstRegistryValueWithTheFilesCopiedAndTheKeyStillEmpty) {
  const std::string log = "C:\\setup.log";
  const StoppedRun run = RunUntilCall(WindowsPathFromEnvironment(SETUP_EXECUTABLE_VARIABLE), "/S /LOG=" + log,
                                      {"advapi32.dll", "RegSetValueA", 1});
  EXPECT_TRUE(run.stopped);
  EXPECT_TRUE(run.ended);
  EXPECT_EQ(run.exitCode, CALL_STOP_EXIT_CODE);
  EXPECT_EQ(ReadWholeFile(log), "Welcome!\r\nDestination directory\r\nDestination: C:\\Program Files\\TARN\r\n"
                                "Ready to install\r\nCopying files\r\nUpdating registry\r\n");
  const std::string firstRow = "SOFTWARE\\Veltrum\\TARN\\CurrentVersion\\AppPaths";
  EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, firstRow));
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, firstRow), MISSING);
}
