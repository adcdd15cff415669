// Where the picture goes: the snapshot's source rectangle and where it lands.
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
