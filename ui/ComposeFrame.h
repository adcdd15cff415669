// Painting: each frame is composed in the back buffer, where it can differ from the last one,
// and copied to the window.
#pragma once

#include <windows.h>

// Handles WM_PAINT: snapshot, box outline while marking in size mode, read-out line.
void ComposeFrame(HWND window);

// The back buffer holds no composed frame (it was just made): the next paint composes all.
void ForgetComposedFrame();

// Composes the whole frame of the current state into dc, as the back buffer holds it, with the
// platform's own stretch for the picture: the reference that the back buffer is checked against.
void ComposeWholeFrame(HDC dc);

// Marks an area of the window (all of it when null) for repainting, without erasing, because
// the state changed there. The marks reach the platform at RepaintFrame, all in one call: under
// Wine each call is a round trip to its server.
void InvalidateFrameArea(HWND window, const RECT* area);

// Invalidates what was marked and repaints it at once (UpdateWindow).
void RepaintFrame(HWND window);

// Marks both read-out strips (top first) for repainting, without erasing.
void InvalidateReadoutStrips(HWND window);
