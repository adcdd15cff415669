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

// How the snapshot is drawn: one stretch by exactly the zoom, so that every snapshot pixel
// covers zoom x zoom window pixels. Source pixel (SourceX, SourceY) lands at window pixel
// (DestX, DestY), between -(zoom - 1) and 0, and SourceWidth x SourceHeight pixels cover the
// window, as far as the snapshot reaches.
struct StretchPlan {
    std::int64_t SourceX, SourceY, SourceWidth, SourceHeight;
    std::int64_t DestX, DestY;
    int Zoom;
    friend bool operator==(const StretchPlan&, const StretchPlan&) = default;
};
StretchPlan PlanStretch(MicroCoord originX, MicroCoord originY, MicroCoord screenWidth,
                        MicroCoord screenHeight, int zoom);

// The box outline snapped outward to the cells of the first and last pixel the box covers in
// the view with the given origin; right and bottom exclusive.
PixelRect SnapOutline(const MicroBox& box, MicroCoord originX, MicroCoord originY, int zoom);
