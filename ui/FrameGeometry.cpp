#include "ui/FrameGeometry.h"

#include "view/ShownPixel.h"

#include <algorithm>

namespace {

// How many snapshot pixels from `first` on cover window pixels `dest` to `window`, as far as
// the snapshot's `size` pixels reach.
std::int64_t CoveringCount(std::int64_t first, std::int64_t dest, std::int64_t window,
                           std::int64_t size, int zoom) {
    const std::int64_t needed = (window - dest + zoom - 1) / zoom;
    return std::clamp<std::int64_t>(size - first, 0, needed);
}

} // namespace

StretchPlan PlanStretch(MicroCoord originX, MicroCoord originY, MicroCoord screenWidth,
                        MicroCoord screenHeight, int zoom) {
    StretchPlan plan;
    const std::int64_t w = RoundMicro(screenWidth);
    const std::int64_t h = RoundMicro(screenHeight);
    plan.Zoom = zoom;
    plan.SourceX = FloorDiv(originX, MicroPerPixel);
    plan.SourceY = FloorDiv(originY, MicroPerPixel);
    plan.DestX = CellStart(plan.SourceX, originX, zoom);
    plan.DestY = CellStart(plan.SourceY, originY, zoom);
    plan.SourceWidth = CoveringCount(plan.SourceX, plan.DestX, w, w, zoom);
    plan.SourceHeight = CoveringCount(plan.SourceY, plan.DestY, h, h, zoom);
    return plan;
}
