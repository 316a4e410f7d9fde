#include "core/catalogue.h"

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
