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
