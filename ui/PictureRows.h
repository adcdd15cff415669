// The picture written straight into 32-bit pixel rows: each snapshot pixel written zoom times
// along a row, and each such row copied for the rest of its cell. No platform calls.
#pragma once

#include "core/PixelRows.h"
#include "ui/FrameGeometry.h"

// Draws the part of the picture that `plan` describes inside `area` of `frame`: window pixel x
// shows snapshot column SourceX + (x - DestX) / Zoom, and rows likewise; black where the
// snapshot ends before the window does.
void DrawPicture(const PixelRows& snapshot, const PixelRows& frame, const StretchPlan& plan,
                 const PixelRect& area);
