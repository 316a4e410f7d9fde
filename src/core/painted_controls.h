// The frame's bitmap panel and separator line, painted by the frame itself.
#ifndef TARN_CORE_PAINTED_CONTROLS_H
#define TARN_CORE_PAINTED_CONTROLS_H

#include <windows.h>

// Replaces the window procedures of the panel and separator controls of the frame.
void TakeOverPaintedControls(HWND frame);

#endif
