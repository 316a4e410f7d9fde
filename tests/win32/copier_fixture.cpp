#include "copier_fixture.h"

#include "core/install_state.h"
#include "core/page_walk.h"
#include "destination/directories.h"
#include "finish/run_end.h"
#include "registration/registry_values.h"

namespace {
const std::string ROOT = "C:\\copier-tests";
constexpr char RECORD_KEY[] = "SOFTWARE\\copier test run";
}

std::string CurrentTestName() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  // Parameterised tests have slashes in their names; the name becomes a folder.
  for (char& c : name)
    if (c == '/') c = '-';
  return name;
}

std::string SampleContent(size_t length, uint32_t seed) {
  std::string content(length, '\0');
  uint32_t state = seed * 2654435761u + 1;
  for (char& c : content) {
    state = state * 1664525u + 1013904223u;
    c = static_cast<char>(state >> 24);
  }
  return content;
}

std::string ControlText(HWND window, int controlId) {
  char text[512];
  const UINT length = GetDlgItemTextA(window, controlId, text, sizeof text);
  return std::string(text, length);
}

CopierFixture::CopierFixture()
    : destination(ROOT + "\\" + CurrentTestName()), payload(ROOT + "\\" + CurrentTestName() + ".carrier.exe") {}

void CopierFixture::SetUp() {
  installState.instance = GetModuleHandleA(nullptr);
  frame = CreateDialogParamA(installState.instance, "MAINDLG", nullptr, DefaultPageProc, 0);
  ASSERT_NE(frame, nullptr);
  installState.mainWindow = frame;
  page = CreateDialogParamA(installState.instance, "COPYFILESDLG", frame, DefaultPageProc, 0);
  ASSERT_NE(page, nullptr);
  CreateDirectoryA(ROOT.c_str(), nullptr);
  CreateDirectoryA(destination.c_str(), nullptr);
  StoreDestinationDirectory(destination.c_str());
  catalogue.stampDay = 6;
  catalogue.stampMonth = 5;
  catalogue.stampYear = 10;
  catalogue.version = 0x1203;
  catalogue.directories = noDirectories;
  installState.fontsInFontsFolder = 1;
  installState.stopRequested = 0;
  installState.failure = FailureRecord{}; // the run's one record: every case starts without a failure
  // Each case records its own run.
  DeleteKeyTree(HKEY_LOCAL_MACHINE, RECORD_KEY);
  installState.catalogue.runRecordKey = RECORD_KEY;
  installState.recordLines = 0;
}

void CopierFixture::TearDown() {
  if (copier != nullptr) copier->Release();
  copier.reset();
  DestroyWindow(frame);
  installState.mainWindow = nullptr;
}

bool CopierFixture::Undo() {
  copier->Release();
  return EndRecordedRun(RECORD_KEY, UNDO_RUN);
}

int CopierFixture::Run() {
  catalogue.files = payload.Rows();
  // Made first, so that the tests may ask it for its error even when the payload fails.
  copier = std::make_unique<PayloadCopier>(page, catalogue);
  if (!payload.Load()) {
    ADD_FAILURE() << "the test payload could not be loaded";
    return 0;
  }
  return copier->Prepare() && copier->CopyAll();
}

std::string CopierFixture::Installed(const std::string& name) const { return ReadWholeFile(InDestination(name)); }
