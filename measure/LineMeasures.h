// A line's length and angle in hundredths, and the label of a pinned line. The hundredths are
// worked out without the runtime's printf, so that every C runtime writes the same. No platform
// calls.
#pragma once

#include "geometry/MicroCoord.h"

#include <cstdint>
#include <string>

// sqrt(dx^2 + dy^2) x 96 / dpi in hundredths, to the nearest, halves up.
std::int64_t LengthHundredths(std::int64_t dx, std::int64_t dy, int dpi = 96);

// The direction of (dx, dy) in hundredths of a degree, counter-clockwise from pointing right as
// the screen shows it (y grows downward), in (-18000, 18000]; 0 for (0, 0).
std::int64_t AngleHundredths(std::int64_t dx, std::int64_t dy);

// "500.00": the label beside a pinned line.
std::wstring LineLabel(const PixelLine& line);
