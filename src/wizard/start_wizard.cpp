#include "core/start_wizard.h"

#include "core/install_state.h"
#include "core/navigation.h"
#include "core/platform_decision.h"
#include "destination/directory_store.h"
#include "resource_ids.h"

int CheckPlatform(int32_t flags) {
  OSVERSIONINFOA version;
  ZeroMemory(&version, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  const PlatformDecision decision = DecidePlatform(version.dwPlatformId, version.dwMajorVersion, flags);
  installState.platformUnsupported = decision.platformUnsupported;
  installState.fontsInFontsFolder = decision.fontsInFontsFolder;
  return installState.platformUnsupported == 0;
}

static void ShowPlatformErrorPage() {
  CreatePage("OSERRORDLG", DefaultPageProc);
  SetNavigationButtons(0, 0);
  SetFocus(GetDlgItem(installState.mainWindow, IDC_EXIT));
}

void StartWizard() {
  Catalogue& catalogue = installState.catalogue;
  ZeroMemory(&catalogue, sizeof catalogue);
  FillCatalogue(catalogue);
  SetDefaultDestination(catalogue.programFilesFolder);
  SetSharedDirectory(catalogue.sharedFolder, catalogue.sharedName);
  if (!CheckPlatform(catalogue.platformFlags)) {
    ShowPlatformErrorPage();
    return;
  }
  BuildPageSequence(installState.pageSequence, catalogue.pageCount);
  installState.pagePosition = 0;
  GoToPosition(0);
}
