// Conversion of the tool's pixel rectangles to the platform's rectangles and regions.
#pragma once

#include "geometry/MicroCoord.h"

#include <windows.h>

#include <vector>

inline RECT ToRect(const PixelRect& r) {
    return {ToPlatformInt(r.Left), ToPlatformInt(r.Top), ToPlatformInt(r.Right),
            ToPlatformInt(r.Bottom)};
}

// The union of rectangles as a region, which the caller deletes.
inline HRGN RegionOf(const std::vector<RECT>& rects) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    HRGN part = CreateRectRgn(0, 0, 0, 0); // one scratch region: each object is a handle to make
    for (const RECT& r : rects) {
        SetRectRgn(part, r.left, r.top, r.right, r.bottom);
        CombineRgn(region, region, part, RGN_OR);
    }
    DeleteObject(part);
    return region;
}
