// Repaint requests: an input handler marks what changed and repaints at once; the painter
// learns from here what was handed to the platform since its last paint.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// Marks an area of the window (all of it when null) for repainting, without erasing, because
// the state changed there. The marks reach the platform at RepaintFrame, all in one call: under
// Wine each call is a round trip to its server.
void InvalidateFrameArea(HWND window, const RECT* area);

// Invalidates what was marked and repaints it at once (UpdateWindow).
void RepaintFrame(HWND window);

// Marks both read-out strips (top first) for repainting, without erasing, as wide as the line
// drawn last, so that all of it is erased.
void InvalidateReadoutStrips(HWND window);

// The back buffer holds no composed frame (it was just made): the next paint composes all.
void ForgetComposedFrame();

// For the painter. The areas handed to the platform since the last paint, which the window
// still shows the frame in; the rest of an update region was uncovered by something else.
struct GivenAreas {
    std::vector<RECT> Rects;
    bool Whole = false;
};
GivenAreas TakeGivenAreas();

// For the painter: true once after ForgetComposedFrame, when what it last composed is gone.
bool TakeForgottenFrame();

// For the painter: the width of the read-out line it just drew.
void NoteReadoutDrawn(std::int64_t width);
