// Checks on the colours read: the contrast of two colours with its accessibility level, and the
// mean colour of a square of snapshot pixels. No platform calls.
#pragma once

#include "core/AppState.h"
#include "core/PixelRows.h"
#include "geometry/MicroCoord.h"

#include <cstdint>

struct Contrast {
    std::int64_t Hundredths; // the ratio, 1 to 21, times 100 and truncated: 447 for 4.478
    const char* Level;       // "AAA", "AA", "AA large" or "fail", from the untruncated ratio
};

// The contrast ratio of two colours as accessibility guidelines define it; the same either
// way round.
Contrast ContrastOf(ColorRef a, ColorRef b);

// The side x side square centred on pixel (x, y), cut to the pixels `pixels` has.
PixelRect AreaAround(const PixelRows& pixels, PixelPoint at, int side);

// Each channel's mean over `area`'s pixels, rounded half up; NoColor for an empty area.
ColorRef MeanColor(const PixelRows& pixels, const PixelRect& area);
