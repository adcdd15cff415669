// Magnification: the digit keys' factors, keeping the view inside the snapshot, and
// re-centring the view on the point under the pointer when the factor changes.
#pragma once

#include "geometry/MicroCoord.h"

#include <cstdint>

// The factor a character selects ("1" to "9"), or 0 for any other character. A zoom key
// forgets any part of a wheel notch, so a nudge long after does not zoom.
std::int16_t ZoomFactorForKey(std::uint64_t character);

// The factor after a turn of the wheel by `delta` (120 a notch, away from the user when
// positive): each whole notch, with the parts of one that fine-grained wheels and touchpads turn
// added up in WheelRemainder, moves one factor along the keys' factors, stopping at 1 and 45.
// A turn the other way first forgets the part turned so far.
std::int16_t ZoomFactorAfterWheel(std::int64_t delta);

// Brings ViewOriginX and ViewOriginY back within the snapshot for the current factor.
void ClampViewOrigin();

// Centres the view on the snapshot point that window pixel (px, py) showed under the old
// factor, as far as the snapshot allows; returns where that point now lies in the window.
PixelPoint ZoomViewAroundPoint(std::int64_t px, std::int64_t py, std::int16_t oldFactor);
