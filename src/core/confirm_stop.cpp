#include "core/confirm_stop.h"

#include "core/navigation.h"

int ConfirmStop(HWND owner) {
  if (!PollStopRequest()) return 0;
  return MessageBoxA(owner, "Do you want to stop the installation?", "Install", MB_YESNO | MB_ICONQUESTION) == IDYES;
}
