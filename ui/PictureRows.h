// The picture written straight into 32-bit pixel rows: each snapshot pixel written zoom times
// along a row, and each such row copied for the rest of its cell; the pixel grid over it, if
// asked for. No platform calls.
#pragma once

#include "core/PixelRows.h"
#include "ui/FrameGeometry.h"

// Draws the part of the picture that `plan` describes inside `area` of `frame`: window pixel x
// shows snapshot column SourceX + (x - DestX) / Zoom, and rows likewise; black where the
// snapshot ends before the window does. With plan.Grid, each cell's top row and left column
// take the cell's GridPixel.
void DrawPicture(const PixelRows& snapshot, const PixelRows& frame, const StretchPlan& plan,
                 const PixelRect& area);

// Moves every pixel of `frame` by (dx, dy): pixel p takes what p - (dx, dy) held. What comes
// from outside the frame is left as it was, for the caller to draw.
void ShiftPixels(const PixelRows& frame, std::int64_t dx, std::int64_t dy);

// The grid's colour on a cell of colour `pixel` (0x00RRGGBB, as the rows hold it): each channel
// halved, and raised by 128 on a dark cell (luma below 128), so that some channel differs from
// the cell's by 64 or more, on black, white and grey alike.
constexpr std::uint32_t GridPixel(std::uint32_t pixel) {
    const std::uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    const std::uint32_t dark = 299 * r + 587 * g + 114 * b < 128'000; // 1 or 0, no branch
    return ((pixel >> 1) & 0x7F7F7F) | dark * 0x808080;
}
