// Where the frozen monitor lies on the virtual screen, and the conversions between the
// platform's screen positions and the monitor's own pixels, which count from its top-left.
#pragma once

#include "geometry/MicroCoord.h"

#include <cstdint>

// The frozen monitor's top-left corner on the virtual screen: 0, 0 for the primary, negative
// for a monitor left of or above it. Its size is ScreenWidth by ScreenHeight.
extern std::int64_t MonitorLeft;
extern std::int64_t MonitorTop;

// A screen position as a pixel of the monitor; a point off it comes to the nearest edge pixel.
PixelPoint ScreenToMonitor(std::int64_t x, std::int64_t y);

// A pixel of the monitor as a screen position.
PixelPoint MonitorToScreen(std::int64_t x, std::int64_t y);

// The monitor's rectangle on the virtual screen.
PixelRect MonitorOnScreen();
