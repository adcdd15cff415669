#include "view/Zoom.h"

#include "core/AppState.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr std::int16_t Factors[] = {1, 2, 3, 4, 6, 10, 20, 30, 45};

} // namespace

std::int16_t ZoomFactorForKey(std::uint64_t character) {
    if (character < '1' || character > '9') return 0;
    WheelRemainder = 0;
    return Factors[character - '1'];
}

std::int16_t ZoomFactorAfterWheel(std::int64_t delta) {
    if ((delta < 0 && WheelRemainder > 0) || (delta > 0 && WheelRemainder < 0)) WheelRemainder = 0;
    WheelRemainder += delta;
    const std::int64_t notches = WheelRemainder / 120; // toward zero: a part stays, either way
    WheelRemainder -= notches * 120;
    const std::int64_t at = std::find(std::begin(Factors), std::end(Factors), ZoomFactor) - Factors;
    const auto last = static_cast<std::int64_t>(std::size(Factors)) - 1;
    return Factors[std::clamp<std::int64_t>(at + notches, 0, last)];
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
