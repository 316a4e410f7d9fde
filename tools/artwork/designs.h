// The pictures of setup.exe: the wizard's side panel and the window icons.
#ifndef TARN_ARTWORK_DESIGNS_H
#define TARN_ARTWORK_DESIGNS_H

#include "indexed_image.h"

const int PANEL_WIDTH = 95;
const int PANEL_HEIGHT = 174;

IndexedImage DrawPanel();

// size 32 for the large icon, 16 for the small one.
IndexedImage DrawIcon(int size);

#endif
