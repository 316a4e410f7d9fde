// Choosing what to install across every table of the catalogue.
#ifndef TARN_DESTINATION_COMPONENT_SELECTION_H
#define TARN_DESTINATION_COMPONENT_SELECTION_H

#include <cstdint>

#include "core/catalogue.h"

// Sets selected to value in the rows of the component (ALL_COMPONENTS: every row) of all the
// tables that the component choice governs. Group-item deletions keep their compiled values.
void SelectComponent(Catalogue& catalogue, int32_t componentKey, int32_t value);

// Selects the components that the install state has chosen; nothing is ever deselected.
void ApplyComponentChoice();

#endif
