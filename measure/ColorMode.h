// Colour mode's own steps: the Space key's switch, and a fresh sample at the pointer.
#pragma once

#include <windows.h>

// Space: into colour mode (cursor, sample at the pointer, read-out, and the release that
// ends a marking in progress) or back to size mode (cursor, read-out).
void ToggleColorMode(HWND window);

// Samples the frame under the pointer and repaints the read-out (the right-button release).
void SampleColorAtPointer(HWND window);
