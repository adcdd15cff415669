// Where the read-out line can stand: its two strips, and which one it takes. No platform calls.
#pragma once

#include "geometry/MicroCoord.h"

#include <array>
#include <cstdint>

constexpr std::int64_t ReadoutStripWidth = 400;

// The two areas the read-out line can stand in: top strip first, then the bottom strip.
// They widen to textWidth when a text runs past the usual 400 pixels, so that no tail of
// a longer line is left behind or cut off.
std::array<PixelRect, 2> ReadoutStrips(MicroCoord screenHeight, std::int64_t textWidth = 0);

// Row of the read-out line's top edge: at the top while the pointer is within 40 rows of
// the bottom and left of column 450, else at the bottom.
std::int64_t ReadoutTop(MicroCoord cursorX, MicroCoord cursorY, MicroCoord screenHeight);
