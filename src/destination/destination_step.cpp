#include "destination/destination_step.h"

#include "core/install_state.h"
#include "core/navigation.h"
#include "destination/directory_path.h"
#include "destination/directory_store.h"
#include "destination/directory_tree.h"
#include "destination/existence.h"
#include "destination/old_installation.h"

namespace {

constexpr int32_t REPLACE_PAGE = 3;

// An existing directory too long to take a backslash goes to the tree creation, which refuses it.
bool MakeDestination(const char* destination) {
  if (DirectoryExists(destination) && FitsAsDirectoryPath(destination)) return true;
  return CreateDirectoryTree(destination) != 0;
}

} // namespace

int RunDestinationStep() {
  if (!MakeDestination(GetDestinationDirectory())) {
    installState.catalogue.pageTemplates[DESTINATION_PAGE] = DESTINATION_RETRY_TEMPLATE;
    return LEAVE_REBUILD_PAGE;
  }
  ChangePageSequence(installState.pageSequence, REPLACE_PAGE, OldInstallationFound());
  return LEAVE_GO_ON;
}
