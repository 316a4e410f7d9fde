#include "core/install_state.h"
#include "core/navigation.h"
#include "destination/component_selection.h"
#include "destination/destination_step.h"
#include "registration/product_registration.h"

namespace {
constexpr int WELCOME_PAGE = 0;
constexpr int PASSIVE_PAGE = 1; // never shown: leaving the welcome page removes it
constexpr int REGISTRY_PAGE = 6;
} // namespace

int OnLeavePage(int page) {
  installState.catalogue.pageTemplates[DESTINATION_PAGE] = DESTINATION_TEMPLATE;
  if (page == WELCOME_PAGE) {
    ApplyComponentChoice();
    ChangePageSequence(installState.pageSequence, PASSIVE_PAGE, 0);
  }
  if (page == DESTINATION_PAGE) return RunDestinationStep();
  if (page == REGISTRY_PAGE && installState.programChosen) RegisterProduct();
  return LEAVE_GO_ON;
}
