// Painting: each frame is composed in the back buffer, where it can differ from the last one,
// and copied to the window.
#pragma once

#include <windows.h>

// Handles WM_PAINT: snapshot, box outline while marking in size mode, read-out line.
void ComposeFrame(HWND window);

// Composes the whole frame of the current state into dc, as the back buffer holds it, with the
// platform's own stretch for the picture and the grid found pixel by pixel: the reference that
// the back buffer is checked against.
void ComposeWholeFrame(HDC dc);

// Marks for repainting where the frame of the current state differs from the one last
// composed: for state changes whose areas only the painter knows, such as a pin's label.
void InvalidateFrameChanges(HWND window);
