// The required and available sizes on the destination page, and the Next button they allow.
#ifndef TARN_DESTINATION_SIZE_DISPLAY_H
#define TARN_DESTINATION_SIZE_DISPLAY_H

#include <windows.h>

// Shows the selected files' size against the drive's free space (not available for drive 0)
// and sets the frame's buttons: Back on, Next only when the space suffices. The required size
// is computed first, in the allocation unit of the drive queried before.
void ShowSizes(HWND page, char driveLetter);

#endif
