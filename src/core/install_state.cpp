#include "core/install_state.h"

#include "core/bounded_text.h"

InstallState installState;

int Fail(int code, const char* argument) {
  FailureRecord& failure = installState.failure;
  failure.code = code;
  CopyBounded(failure.argument, sizeof failure.argument, argument); // null leaves it empty
  return 0;
}

void ResetInstallState(HINSTANCE instance) {
  ReleasePageSequence(installState.pageSequence);
  if (installState.ownBoldFont != nullptr) DeleteObject(installState.ownBoldFont);
  // Zeroed rather than assigned from a new record: the copy would cost setup.exe code.
  ZeroMemory(&installState, sizeof installState);
  installState.instance = instance;
  installState.replaceChosen = 1;
  installState.sectorSize = SectorSize{};
}
