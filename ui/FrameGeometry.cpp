#include "ui/FrameGeometry.h"

#include <algorithm>

std::array<PixelRect, 2> ReadoutStrips(MicroCoord screenHeight, std::int64_t textWidth) {
    const std::int64_t h = RoundMicro(screenHeight);
    const std::int64_t right = 20 + std::max(ReadoutStripWidth, textWidth);
    return {PixelRect{20, 20, right, 40}, PixelRect{20, h - 30, right, h - 10}};
}

std::int64_t ReadoutTop(MicroCoord cursorX, MicroCoord cursorY, MicroCoord screenHeight) {
    const bool nearBottom = cursorY > screenHeight - ToMicro(40);
    return nearBottom && RoundMicro(cursorX) < 450 ? 20 : RoundMicro(screenHeight) - 30;
}

namespace {

// Window extent that `read` source pixels cover when `source` of them span `window`.
std::int64_t CoveredExtent(std::int64_t read, std::int64_t source, std::int64_t window) {
    if (read == source) return window;
    return (read * window + source / 2) / source;
}

} // namespace

StretchPlan PlanStretch(MicroCoord originX, MicroCoord originY, MicroCoord screenWidth,
                        MicroCoord screenHeight, int zoom) {
    StretchPlan plan;
    const std::int64_t w = RoundMicro(screenWidth);
    const std::int64_t h = RoundMicro(screenHeight);
    plan.SourceX = RoundMicro(originX);
    plan.SourceY = RoundMicro(originY);
    plan.SourceWidth = std::max<std::int64_t>(1, RoundMicro(screenWidth / zoom));
    plan.SourceHeight = std::max<std::int64_t>(1, RoundMicro(screenHeight / zoom));
    plan.ReadWidth = std::clamp<std::int64_t>(w - plan.SourceX, 0, plan.SourceWidth);
    plan.ReadHeight = std::clamp<std::int64_t>(h - plan.SourceY, 0, plan.SourceHeight);
    plan.DestWidth = CoveredExtent(plan.ReadWidth, plan.SourceWidth, w);
    plan.DestHeight = CoveredExtent(plan.ReadHeight, plan.SourceHeight, h);
    return plan;
}

PixelRect SnapOutline(const MicroBox& box, int zoom) {
    // Floor division, so edges that panning pushed past the window's left or top edge
    // still snap outward and the outline encloses every magnified cell of the box.
    const std::int64_t z = zoom;
    return {FloorDiv(RoundMicro(box.Left), z) * z, FloorDiv(RoundMicro(box.Top), z) * z,
            (FloorDiv(RoundMicro(box.Right) - 1, z) + 1) * z,
            (FloorDiv(RoundMicro(box.Bottom) - 1, z) + 1) * z};
}
