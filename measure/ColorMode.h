// Colour mode's own steps: the Space key's switch, and a fresh sample at the pointer.
#pragma once

#include <windows.h>

// Space: into colour mode (sample at the pointer, read-out, and the release that ends a
// marking in progress) or back to size mode (read-out). The caller shows the mode's cursor.
void ToggleColorMode(HWND window);

// Samples the frame under the pointer and repaints the read-out (the right-button release).
void SampleColorAtPointer(HWND window);

// F: in colour mode, the colour is written in the next format; in size mode nothing happens.
void StepColorFormat(HWND window);

// A: in colour mode, the sample grows to the next area (one pixel, 3 x 3, 5 x 5, 9 x 9, then one
// pixel again) and is taken afresh at the pointer; in size mode nothing happens.
void StepSampleArea(HWND window);
