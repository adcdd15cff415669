// Where each part of a frame goes: the snapshot's source rectangle and the snapped box
// outline.
#pragma once

#include "geometry/MicroCoord.h"

#include <cstdint>

// How the snapshot is drawn: one stretch by exactly the zoom, so that every snapshot pixel
// covers zoom x zoom window pixels. Source pixel (SourceX, SourceY) lands at window pixel
// (DestX, DestY), between -(zoom - 1) and 0, and SourceWidth x SourceHeight pixels cover the
// window, as far as the snapshot reaches. With Grid, each cell's top row and left column show
// the grid colour of the cell (ui/PictureRows.h).
struct StretchPlan {
    std::int64_t SourceX, SourceY, SourceWidth, SourceHeight;
    std::int64_t DestX, DestY;
    int Zoom;
    bool Grid = false;
    friend bool operator==(const StretchPlan&, const StretchPlan&) = default;
};
StretchPlan PlanStretch(MicroCoord originX, MicroCoord originY, MicroCoord screenWidth,
                        MicroCoord screenHeight, int zoom);

// The box outline snapped outward to the cells of the first and last pixel the box covers in
// the view with the given origin; right and bottom exclusive.
PixelRect SnapOutline(const MicroBox& box, MicroCoord originX, MicroCoord originY, int zoom);
