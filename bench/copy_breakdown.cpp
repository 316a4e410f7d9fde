// Where the copy step's time goes. Runs the real copier in this process on the product's
// catalogue and the payload chunks of a built setup.exe, in a visible copy page, and times
// and counts the platform calls it makes (through this program's import table). The time is
// split by the step the page shows: writing the stored form, expanding it, reading it back.
// Usage: copy_breakdown SETUP.exe [RUNS] — prints the breakdown of the run of median total.
#include <windows.h>

#include <lzexpand.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "core/catalogue.h"
#include "core/install_state.h"
#include "core/page_walk.h"
#include "destination/directories.h"
#include "import_patch.h"
#include "payload/copy_page.h"
#include "payload/payload_copier.h"
#include "resource_ids.h"
#include "stopwatch.h"
#include "wizard/wizard.h"

namespace {

enum Phase { BEFORE_FIRST_ROW, WRITING, EXPANDING, READING_BACK, ROW_END, PHASE_COUNT };
const char* const PHASE_NAMES[PHASE_COUNT] = {"before the first row", "writing the stored form",
                                              "expanding (LZCopy)", "reading back (check value)", "end of row"};

struct Tally {
  unsigned calls;
  double ms;
  unsigned long long bytes;
};

struct Meter {
  const char* dll;
  const char* function;
  void* replacement;
  bool countsBytes; // the call returns the bytes it moved
  void* original;
  Tally tally[PHASE_COUNT];
};

struct Run {
  double totalMs;
  double phaseMs[PHASE_COUNT];
  std::vector<Meter> meters;
};

std::vector<Meter>* meters;
Phase phase;
LARGE_INTEGER phaseStart;
double phaseMs[PHASE_COUNT];
// Calls made inside a timed call (a paint inside DispatchMessageA) count as part of it.
int depth;

void EnterPhase(Phase next) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  phaseMs[phase] += 1000.0 * static_cast<double>(now.QuadPart - phaseStart.QuadPart) / static_cast<double>(frequency.QuadPart);
  phase = next;
  phaseStart = now;
}

template <typename Function>
struct Timed;

template <typename Result, typename... Arguments>
struct Timed<Result(WINAPI*)(Arguments...)> {
  template <size_t index>
  static Result WINAPI Call(Arguments... arguments) {
    Meter& meter = (*meters)[index];
    const auto original = reinterpret_cast<Result(WINAPI*)(Arguments...)>(meter.original);
    if (depth != 0) return original(arguments...);
    ++depth;
    const Stopwatch watch;
    if constexpr (std::is_void_v<Result>) {
      original(arguments...);
      Record(meter, watch, 0);
    } else {
      const Result result = original(arguments...);
      unsigned long long bytes = 0;
      if constexpr (std::is_integral_v<Result>)
        if (meter.countsBytes && result != static_cast<Result>(HFILE_ERROR)) bytes = static_cast<unsigned long long>(result);
      Record(meter, watch, bytes);
      return result;
    }
  }

private:
  static void Record(Meter& meter, const Stopwatch& watch, unsigned long long bytes) {
    Tally& tally = meter.tally[phase];
    tally.ms += watch.Milliseconds();
    ++tally.calls;
    tally.bytes += bytes;
    --depth;
  }
};

template <size_t index, typename Function>
void* TimedVersion(Function) {
  return reinterpret_cast<void*>(&Timed<Function>::template Call<index>);
}

// The copier shows its step and file through these; each text starts a phase.
BOOL WINAPI PhaseOfText(HWND page, int control, LPCSTR text);

// The copier takes LZ32's functions with GetProcAddress, not from its import table: a metered
// one is handed its timed version, which calls the one found.
decltype(&GetProcAddress) findProcedure;
FARPROC WINAPI TimedProcedure(HMODULE module, LPCSTR name) {
  const FARPROC found = findProcedure(module, name);
  if (found == nullptr || IS_INTRESOURCE(name)) return found;
  for (Meter& meter : *meters)
    if (lstrcmpA(meter.dll, "lz32.dll") == 0 && lstrcmpA(meter.function, name) == 0) {
      meter.original = reinterpret_cast<void*>(found);
      return reinterpret_cast<FARPROC>(meter.replacement);
    }
  return found;
}

std::vector<Meter> AllMeters() {
  return {
      {"kernel32.dll", "_lcreat", TimedVersion<0>(&_lcreat), false, nullptr, {}},
      {"kernel32.dll", "_lwrite", TimedVersion<1>(&_lwrite), true, nullptr, {}},
      {"kernel32.dll", "_lclose", TimedVersion<2>(&_lclose), false, nullptr, {}},
      {"kernel32.dll", "_lread", TimedVersion<3>(&_lread), true, nullptr, {}},
      {"kernel32.dll", "OpenFile", TimedVersion<4>(&OpenFile), false, nullptr, {}},
      {"kernel32.dll", "DeleteFileA", TimedVersion<5>(&DeleteFileA), false, nullptr, {}},
      {"kernel32.dll", "CreateFileA", TimedVersion<6>(&CreateFileA), false, nullptr, {}},
      {"kernel32.dll", "SetFileTime", TimedVersion<7>(&SetFileTime), false, nullptr, {}},
      {"kernel32.dll", "CloseHandle", TimedVersion<8>(&CloseHandle), false, nullptr, {}},
      {"kernel32.dll", "FindResourceA", TimedVersion<9>(&FindResourceA), false, nullptr, {}},
      {"kernel32.dll", "LoadResource", TimedVersion<10>(&LoadResource), false, nullptr, {}},
      {"lz32.dll", "LZOpenFileA", TimedVersion<11>(&LZOpenFileA), false, nullptr, {}},
      {"lz32.dll", "LZCopy", TimedVersion<12>(&LZCopy), true, nullptr, {}},
      {"lz32.dll", "LZClose", TimedVersion<13>(&LZClose), false, nullptr, {}},
      {"user32.dll", "PeekMessageA", TimedVersion<14>(&PeekMessageA), false, nullptr, {}},
      {"user32.dll", "DispatchMessageA", TimedVersion<15>(&DispatchMessageA), false, nullptr, {}},
      {"user32.dll", "IsDialogMessageA", TimedVersion<16>(&IsDialogMessageA), false, nullptr, {}},
      {"user32.dll", "GetDC", TimedVersion<17>(&GetDC), false, nullptr, {}},
      {"user32.dll", "ReleaseDC", TimedVersion<18>(&ReleaseDC), false, nullptr, {}},
      {"user32.dll", "FillRect", TimedVersion<19>(&FillRect), false, nullptr, {}},
      {"gdi32.dll", "CreateSolidBrush", TimedVersion<20>(&CreateSolidBrush), false, nullptr, {}},
      {"gdi32.dll", "DeleteObject", TimedVersion<21>(&DeleteObject), false, nullptr, {}},
      {"user32.dll", "GetDlgItem", TimedVersion<22>(&GetDlgItem), false, nullptr, {}},
      {"user32.dll", "GetClientRect", TimedVersion<23>(&GetClientRect), false, nullptr, {}},
      {"user32.dll", "SetDlgItemInt", TimedVersion<24>(&SetDlgItemInt), false, nullptr, {}},
      {"user32.dll", "SetDlgItemTextA", reinterpret_cast<void*>(&PhaseOfText), false, nullptr, {}},
  };
}
constexpr size_t SET_TEXT_METER = 25;

BOOL WINAPI PhaseOfText(HWND page, int control, LPCSTR text) {
  if (depth == 0) {
    if (control == IDC_COPY_FILE) EnterPhase(WRITING);
    if (control == IDC_COPY_STEP) {
      const std::string step = text;
      EnterPhase(step == "Uncompressing:" ? EXPANDING : step == "Checksum:" ? READING_BACK : ROW_END);
    }
  }
  return Timed<decltype(&SetDlgItemTextA)>::Call<SET_TEXT_METER>(page, control, text);
}

// One copy into a folder of its own, every call timed.
bool CopyOnce(HWND page, const std::string& destination, Run& run) {
  CreateDirectoryA(destination.c_str(), nullptr);
  StoreDestinationDirectory(destination.c_str());
  run.meters = AllMeters();
  meters = &run.meters;
  // A function that the copier does not call is not imported, and stays at no calls.
  std::vector<std::unique_ptr<ImportPatch>> patches;
  for (Meter& meter : run.meters) {
    patches.push_back(std::make_unique<ImportPatch>(meter.dll, meter.function, meter.replacement));
    meter.original = patches.back()->Original();
  }
  patches.push_back(
      std::make_unique<ImportPatch>("kernel32.dll", "GetProcAddress", reinterpret_cast<void*>(&TimedProcedure)));
  findProcedure = reinterpret_cast<decltype(&GetProcAddress)>(patches.back()->Original());
  std::fill(std::begin(phaseMs), std::end(phaseMs), 0.0);
  phase = BEFORE_FIRST_ROW;
  QueryPerformanceCounter(&phaseStart);
  const Stopwatch watch;
  PayloadCopier& copier = *openCopier.Open(page, installState.catalogue);
  const bool done = copier.Prepare() && copier.CopyAll();
  // What runs after the last row counts with what ran before the first.
  EnterPhase(BEFORE_FIRST_ROW);
  run.totalMs = watch.Milliseconds();
  copier.Release();
  const int failure = installState.failure.code;
  openCopier.Close();
  while (!patches.empty()) patches.pop_back();
  std::copy(std::begin(phaseMs), std::end(phaseMs), run.phaseMs);
  if (!done) std::fprintf(stderr, "the copy failed with error %d\n", failure);
  return done;
}

void Print(const Run& run) {
  std::printf("total %.1f ms\n", run.totalMs);
  for (int p = 0; p < PHASE_COUNT; ++p) {
    double timed = 0;
    std::printf("  %-28s %7.1f ms\n", PHASE_NAMES[p], run.phaseMs[p]);
    for (const Meter& meter : run.meters) {
      const Tally& tally = meter.tally[p];
      if (tally.calls == 0) continue;
      timed += tally.ms;
      std::printf("    %-18s %5u calls %9llu bytes %7.2f ms\n", meter.function, tally.calls, tally.bytes, tally.ms);
    }
    std::printf("    %-18s %43.2f ms\n", "(own code)", run.phaseMs[p] - timed);
  }
}

HMODULE LoadPayload(const char* setup) {
  HMODULE payload = LoadLibraryExA(setup, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (payload == nullptr) std::fprintf(stderr, "cannot load %s\n", setup);
  return payload;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: copy_breakdown SETUP.exe [RUNS]\n");
    return 2;
  }
  const int runs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 5;
  installState.instance = GetModuleHandleA(nullptr);
  HWND frame = CreateDialogParamA(installState.instance, "MAINDLG", nullptr, DefaultPageProc, 0);
  HWND page = frame != nullptr ? CreateDialogParamA(installState.instance, "COPYFILESDLG", frame, DefaultPageProc, 0) : nullptr;
  HMODULE payload = LoadPayload(argv[1]);
  if (page == nullptr || payload == nullptr) return 1;
  installState.mainWindow = frame;
  ShowWindow(page, SW_SHOW);
  ShowWindow(frame, SW_SHOW);
  UpdateWindow(frame);
  SubclassProgressBar(page);
  // As the frame does from the first work page on.
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
  // The chunks are read from the setup.exe given; the dialogs came from this program.
  installState.instance = payload;
  FillCatalogue(installState.catalogue);
  SelectComponent(installState.catalogue, ALL_COMPONENTS, ROW_SELECTED);
  installState.fontsInFontsFolder = 1;

  char temporary[MAX_PATH];
  GetTempPathA(sizeof temporary, temporary);
  const std::string root = std::string(temporary) + "tarn-copy-breakdown";
  CreateDirectoryA(root.c_str(), nullptr);
  std::vector<Run> all(static_cast<size_t>(runs));
  for (int i = 0; i < runs; ++i)
    if (!CopyOnce(page, root + "\\run" + std::to_string(i), all[static_cast<size_t>(i)])) return 1;
  std::vector<Run*> sorted;
  for (Run& run : all) sorted.push_back(&run);
  std::sort(sorted.begin(), sorted.end(), [](const Run* a, const Run* b) { return a->totalMs < b->totalMs; });
  std::printf("copy totals of %d runs (ms):", runs);
  for (const Run* run : sorted) std::printf(" %.1f", run->totalMs);
  std::printf("\nthe run of median total:\n");
  Print(*sorted[sorted.size() / 2]);
  DestroyWindow(frame);
  return 0;
}
