// The questions whose answer differs when nobody is at the screen (/S): here and nowhere else is
// the switch read. An old installation in the destination is replaced in both, as the replace
// page proposes.
#ifndef TARN_CORE_UNATTENDED_H
#define TARN_CORE_UNATTENDED_H

#include "core/install_state.h"

// Whether the frame, its pages and message boxes are seen, and so whether a person can act
// where the wizard waits (another destination, another drive): without one, the run ends there
// on its failure.
inline bool ShowsWindows() { return !installState.commandLine.Has(SWITCH_UNATTENDED); }

// Whether a work page pauses before it moves on, so that a person sees its work done.
inline bool PausesBeforeMovingOn() { return ShowsWindows(); }

enum FileTypeTakeover { ASK_BEFORE_TAKING_OVER, TAKE_OVER, LEAVE_WITH_OWNER };

// What happens to a file type that another program has: a person is asked; unattended, the
// careful answer, unless /TAKEOVER says otherwise.
inline FileTypeTakeover TakeOverFileType() {
  if (ShowsWindows()) return ASK_BEFORE_TAKING_OVER;
  return installState.commandLine.Has(SWITCH_TAKE_OVER) ? TAKE_OVER : LEAVE_WITH_OWNER;
}

#endif
