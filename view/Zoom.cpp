#include "view/Zoom.h"

#include "core/AppState.h"

std::int16_t ZoomFactorForKey(std::uint64_t character) {
    static constexpr std::int16_t Factors[] = {1, 2, 3, 4, 6, 10, 20, 30, 45};
    if (character < '1' || character > '9') return 0;
    return Factors[character - '1'];
}

namespace {

MicroCoord Clamped(MicroCoord origin, MicroCoord screen) {
    const MicroCoord limit = screen - screen / ZoomFactor;
    if (origin < 0) origin = 0;
    if (origin > limit) origin = limit;
    return origin;
}

} // namespace

void ClampViewOrigin() {
    ViewOriginX = Clamped(ViewOriginX, ScreenWidth);
    ViewOriginY = Clamped(ViewOriginY, ScreenHeight);
}

PixelPoint ZoomViewAroundPoint(std::int64_t px, std::int64_t py, std::int16_t oldFactor) {
    const std::int16_t newFactor = ZoomFactor;
    const MicroCoord sx = ToMicro(px) / oldFactor + ViewOriginX;
    const MicroCoord sy = ToMicro(py) / oldFactor + ViewOriginY;
    ViewOriginX = sx - (ScreenWidth / 2) / newFactor;
    ViewOriginY = sy - (ScreenHeight / 2) / newFactor;
    ClampViewOrigin();
    return {RoundMicro((sx - ViewOriginX) * newFactor), RoundMicro((sy - ViewOriginY) * newFactor)};
}
