// The registry layer's state: the window that owns every question, and the failure to report.
#ifndef TARN_REGISTRATION_REGISTRATION_STATE_H
#define TARN_REGISTRATION_REGISTRATION_STATE_H

#include <windows.h>

struct RegistrationState {
  HWND ownerWindow;
  int errorCode; // 0, or the error page's code
  const char* errorArgument;

  // Records the failure; returns 0 so that a step can end with it.
  int Fail(int code) {
    errorCode = code;
    errorArgument = nullptr;
    return 0;
  }
};

#endif
