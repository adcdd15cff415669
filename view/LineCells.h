// A line between two snapshot pixels as a view shows it: its ends on the window, the cells of its
// end pixels, and the areas that hold all that is drawn of it. No platform calls.
#pragma once

#include "geometry/MicroCoord.h"

#include <cstdint>
#include <vector>

struct LineCells {
    PixelLine Pixels;             // snapshot pixels
    PixelPoint From, To;          // window pixels: the middles of the end pixels' cells
    PixelRect StartCell, EndCell; // the end pixels' cells, right and bottom exclusive
    bool Outlined = false;        // the cells are outlined, from zoom 2 on
    friend bool operator==(const LineCells&, const LineCells&) = default;
};

LineCells CellsOfLine(const PixelLine& line, MicroCoord originX, MicroCoord originY, int zoom);

// How far a band of a slanted line reaches across its shorter axis.
constexpr std::int64_t LineBandRise = 64;

// Adds rectangles that together hold every window pixel drawn of `line`, cut to the width x
// height window: the outlined cells whole, and the line from `From` to `To` in bands along its
// longer axis, each holding LineBandRise pixels across the other and one more either side. A
// bounding rectangle would hold a long slanted line's square; a rectangle per row or column, more
// parts than the platform handles cheaply.
void AddLineAreas(std::vector<PixelRect>& rects, const LineCells& line, std::int64_t width,
                  std::int64_t height);
