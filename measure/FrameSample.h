// Reads the colour of the picture under a window pixel into PickedColor.
#pragma once

#include "geometry/MicroCoord.h"

#include <windows.h>

// x and y are window pixels. The colour is the mean over the SampleArea square of snapshot
// pixels centred on the one shown there, read from the snapshot, so the outline and the
// read-out drawn over the picture never count. Off the window or the snapshot it is NoColor.
void SampleFrameColor(int x, int y);

// The snapshot pixels that the last sample took; empty when it found none.
PixelRect SampledPixels();

// Marks the cells of the averaged area as the last sample left it, along whose edges its outline
// runs, for repainting: one rectangle costs the platform less than the outline's four lines.
void InvalidateSampledOutline(HWND window);
