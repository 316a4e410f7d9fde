// The pages that do the installation's work (the copy, the registry, the program group) share
// one shell: Exit reads "Abort", the page's worker opens with the page and closes with it, the
// work starts once the page is shown, and it ends in the pause before the walk moves on, or in
// the error page of the run's failure. A page keeps only what is its own.
#ifndef TARN_CORE_WORK_PAGE_H
#define TARN_CORE_WORK_PAGE_H

#include <windows.h>

#include <new>

#include "core/page_walk.h"

// How a page's work ended, or that it ends later.
enum WorkOutcome {
  WORK_FAILED = 0,    // the run's failure is recorded: the error page follows
  WORK_DONE = 1,      // the pause, then the next page
  WORK_NOTHING = 2,   // nothing to do: the next page at once
  WORK_GOES_ON = 3,   // the worker goes on by messages and calls EndWork itself
};

// A work page's own part.
struct WorkPage {
  UINT startCommand;                    // posted to the page, so that the work starts once it is shown
  void (*open)(HWND page);              // opens the page's worker
  int (*run)(HWND page);                // the work: a WorkOutcome
  void (*close)();                      // ends the worker, however far it came
  DLGPROC ownMessages;                  // what else the page handles; null for nothing
};

// The procedure of a work page: the shell's messages first, then the page's own.
INT_PTR WorkPageProc(const WorkPage& work, HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Ends the page's work as the outcome says. After WORK_FAILED the page is destroyed, so it
// must not be touched afterwards.
void EndWork(HWND page, int outcome);

// The one worker of a work page, kept in static storage so that making it cannot fail. Only for
// objects of static storage duration, which start out null.
template <typename T>
class PageObject {
public:
  template <typename... Arguments>
  T* Open(Arguments&... arguments) {
    Close();
    current_ = new (storage_) T{arguments...};
    return current_;
  }
  // Ends the object; nothing when none is open.
  void Close() {
    if (current_ == nullptr) return;
    current_->~T();
    current_ = nullptr;
  }
  // The open object, or null.
  T* Get() const { return current_; }

private:
  alignas(T) unsigned char storage_[sizeof(T)];
  T* current_;
};

#endif
