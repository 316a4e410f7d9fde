// The log that /LOG= asks for, which administrators read when a run's exit code is not 0: one
// line a step, each written at once, so that the file tells how far a run came however it ended.
#ifndef TARN_CORE_RUN_LOG_H
#define TARN_CORE_RUN_LOG_H

// Starts the file anew; nothing for an empty path. A log that cannot be made does not stop the
// run: the exit code still says how it ended.
void OpenRunLog(const char* path);
// Writes "text" or "text: detail" as one line; nothing without a log.
void LogLine(const char* text, const char* detail = nullptr);
void CloseRunLog();

#endif
