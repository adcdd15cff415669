// Where each part of a frame goes: the snapshot's source rectangle, the snapped box
// outline, and the read-out line's strips and place.
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

// How the visible part of the snapshot is stretched over the window. The rounded source
// can reach one pixel past the snapshot at the view's right or bottom limit; only the part
// inside is read, stretched over DestWidth x DestHeight, and the rest of the window is
// left to be filled as empty.
struct StretchPlan {
    std::int64_t SourceX, SourceY, SourceWidth, SourceHeight; // as rounded from the view
    std::int64_t ReadWidth, ReadHeight;                       // the part inside the snapshot
    std::int64_t DestWidth, DestHeight;                       // where that part lands
    friend bool operator==(const StretchPlan&, const StretchPlan&) = default;
};
StretchPlan PlanStretch(MicroCoord originX, MicroCoord originY, MicroCoord screenWidth,
                        MicroCoord screenHeight, int zoom);

// The box outline snapped outward to the magnified pixel grid; right and bottom exclusive.
PixelRect SnapOutline(const MicroBox& box, int zoom);
