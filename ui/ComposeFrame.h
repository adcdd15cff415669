// Painting: every frame is rebuilt in the back buffer and copied to the window.
#pragma once

#include <windows.h>

// Handles WM_PAINT: snapshot, box outline while marking in size mode, read-out line.
void ComposeFrame(HWND window);

// Marks both read-out strips (top first) for repainting, without erasing.
void InvalidateReadoutStrips(HWND window);
