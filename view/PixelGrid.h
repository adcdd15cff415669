// The pixel grid: from zoom 6 on, each magnified cell's top row and left column take a colour
// that stands out from the cell, so that cells can be counted.
#pragma once

#include <windows.h>

// Whether the picture shows the grid now: switched on, and cells of 6 x 6 pixels or more.
bool PixelGridShown();

// G: switches the grid on or off; the window repaints when what it shows changes.
void TogglePixelGrid(HWND window);
