#include "destination/size_display.h"

#include "core/install_state.h"
#include "core/navigation.h"
#include "destination/free_space.h"
#include "destination/free_space_query.h"
#include "destination/megabyte_text.h"
#include "destination/required_size.h"
#include "destination/row_selection.h"
#include "resource_ids.h"

void ShowSizes(HWND page, char driveLetter) {
  const int32_t required = RequiredSize(installState.catalogue.files, allocationUnit, ALL_COMPONENTS, 0);
  const int32_t freeSpace = driveLetter != 0 ? QueryFreeSpace(driveLetter) : FREE_SPACE_NOT_AVAILABLE;
  char text[SIZE_TEXT_CAPACITY];
  FormatMegabytes(text, sizeof text, static_cast<uint32_t>(required));
  SetDlgItemTextA(page, IDC_REQUIRED_SIZE, text);
  FormatAvailableSize(text, sizeof text, freeSpace);
  SetDlgItemTextA(page, IDC_AVAILABLE_SIZE, text);
  SetNavigationButtons(1, SpaceAllowsNext(required, freeSpace));
}
