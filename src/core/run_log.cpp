#include "core/run_log.h"

#include <windows.h>

#include <cstring>

#include "core/bounded_text.h"

namespace {

HFILE runLog;
bool logOpen;

void Write(const char* text) { _lwrite(runLog, text, static_cast<UINT>(std::strlen(text))); }

} // namespace

void OpenRunLog(const char* path) {
  if (IsEmptyText(path)) return;
  runLog = _lcreat(path, 0);
  logOpen = runLog != HFILE_ERROR;
}

void LogLine(const char* text, const char* detail) {
  if (!logOpen) return;
  Write(text);
  if (detail != nullptr) {
    Write(": ");
    Write(detail);
  }
  Write("\r\n");
}

void CloseRunLog() {
  if (logOpen) _lclose(runLog);
  logOpen = false;
}
