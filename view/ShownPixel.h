// The one mapping from window to snapshot that the picture, the read-out and the colour share:
// each snapshot pixel covers exactly zoom x zoom window pixels, placed at the true view origin.
#pragma once

#include "geometry/MicroCoord.h"

// The snapshot pixel (one axis) that holds the point position / zoom + origin, where position
// is window space and the division truncates, as all MicroCoord divisions by the zoom do.
constexpr std::int64_t ShownPixel(MicroCoord position, MicroCoord origin, int zoom) {
    return FloorDiv(position / zoom + origin, MicroPerPixel);
}

// The first window column (or row) of snapshot pixel `pixel`'s cell: window pixel x >= 0 shows
// `pixel` exactly from here for zoom pixels.
constexpr std::int64_t CellStart(std::int64_t pixel, MicroCoord origin, int zoom) {
    const std::int64_t first = FloorDiv(origin, MicroPerPixel);
    const MicroCoord fraction = origin - first * MicroPerPixel;
    return (pixel - first) * zoom - fraction * zoom / MicroPerPixel;
}

// The window pixels that show snapshot pixels `pixels` (right and bottom exclusive both): from
// the first window pixel of the first pixel's cell to one past the last one's.
constexpr PixelRect CellsOf(const PixelRect& pixels, MicroCoord originX, MicroCoord originY,
                            int zoom) {
    return {CellStart(pixels.Left, originX, zoom), CellStart(pixels.Top, originY, zoom),
            CellStart(pixels.Right, originX, zoom), CellStart(pixels.Bottom, originY, zoom)};
}

// The snapshot pixels that a window-space box covers in the view with the given origin, from the
// one at its top-left corner to the one a whole pixel inside its exclusive right and bottom.
constexpr PixelRect CoveredPixels(const MicroBox& box, MicroCoord originX, MicroCoord originY,
                                  int zoom) {
    return {ShownPixel(box.Left, originX, zoom), ShownPixel(box.Top, originY, zoom),
            ShownPixel(box.Right - MicroPerPixel, originX, zoom) + 1,
            ShownPixel(box.Bottom - MicroPerPixel, originY, zoom) + 1};
}

// The snapshot pixel that window position (x, y) shows in the current view.
PixelPoint ShownAt(MicroCoord x, MicroCoord y);
