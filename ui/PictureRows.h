// The picture written straight into 32-bit pixel rows: each snapshot pixel written zoom times
// along a row, and each such row copied for the rest of its cell. No platform calls.
#pragma once

#include "ui/FrameGeometry.h"

#include <cstdint>

// Top-down 32-bit pixels, Width to a row.
struct PixelRows {
    std::uint32_t* Bits = nullptr;
    std::int64_t Width = 0;
    std::int64_t Height = 0;
};

// Draws the part of the picture that `plan` describes inside `area` of `frame`: window pixel x
// shows snapshot column SourceX + (x - DestX) / Zoom, and rows likewise; black where the
// snapshot ends before the window does.
void DrawPicture(const PixelRows& snapshot, const PixelRows& frame, const StretchPlan& plan,
                 const PixelRect& area);
