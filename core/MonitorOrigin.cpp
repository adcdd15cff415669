#include "core/MonitorOrigin.h"

#include "core/AppState.h"

#include <algorithm>

std::int64_t MonitorLeft = 0;
std::int64_t MonitorTop = 0;

PixelPoint ScreenToMonitor(std::int64_t x, std::int64_t y) {
    const std::int64_t right = RoundMicro(ScreenWidth) - 1;
    const std::int64_t bottom = RoundMicro(ScreenHeight) - 1;
    return {std::clamp(x - MonitorLeft, std::int64_t{0}, right),
            std::clamp(y - MonitorTop, std::int64_t{0}, bottom)};
}

PixelPoint MonitorToScreen(std::int64_t x, std::int64_t y) {
    return {x + MonitorLeft, y + MonitorTop};
}

PixelRect MonitorOnScreen() {
    return {MonitorLeft, MonitorTop, MonitorLeft + RoundMicro(ScreenWidth),
            MonitorTop + RoundMicro(ScreenHeight)};
}
