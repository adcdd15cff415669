// Magnification: the digit keys' factors, keeping the view inside the snapshot, and
// re-centring the view on the point under the pointer when the factor changes.
#pragma once

#include "geometry/MicroCoord.h"

#include <cstdint>

// The factor a character selects ("1" to "9"), or 0 for any other character.
std::int16_t ZoomFactorForKey(std::uint64_t character);

// Brings ViewOriginX and ViewOriginY back within the snapshot for the current factor.
void ClampViewOrigin();

// Centres the view on the snapshot point that window pixel (px, py) showed under the old
// factor, as far as the snapshot allows; returns where that point now lies in the window.
PixelPoint ZoomViewAroundPoint(std::int64_t px, std::int64_t py, std::int16_t oldFactor);
