// Conversion of the tool's pixel rectangles to the platform's.
#pragma once

#include "geometry/MicroCoord.h"

#include <windows.h>

inline RECT ToRect(const PixelRect& r) {
    return {ToPlatformInt(r.Left), ToPlatformInt(r.Top), ToPlatformInt(r.Right),
            ToPlatformInt(r.Bottom)};
}
