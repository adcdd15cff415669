#include "core/ReadoutPlace.h"

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
