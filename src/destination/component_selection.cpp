#include "destination/component_selection.h"

#include "core/install_state.h"
#include "destination/row_selection.h"

void SelectComponent(Catalogue& catalogue, int32_t componentKey, int32_t value) {
  SelectRows(catalogue.files, componentKey, value);
  SelectRows(catalogue.registryEntries, componentKey, value);
  SelectRows(catalogue.directories, componentKey, value);
  SelectRows(catalogue.groupItems, componentKey, value);
  SelectRows(catalogue.uninstallEntries, componentKey, value);
  SelectRows(catalogue.fileTypes, componentKey, value);
  SelectRows(catalogue.sharedChoiceRows, componentKey, value);
  SelectRows(catalogue.auxiliaryRows, componentKey, value);
}

void ApplyComponentChoice() {
  if (installState.programChosen) SelectComponent(installState.catalogue, COMPONENT_PROGRAM, ROW_SELECTED);
  if (installState.databaseChosen) SelectComponent(installState.catalogue, COMPONENT_DATABASE, ROW_SELECTED);
}
