// Edges in 32-bit pixels: the runs between them through a pixel, and the bounds of what differs
// from a background colour, also kept up to date as a dragged box changes. No platform calls.
#pragma once

#include "core/PixelRows.h"
#include "geometry/MicroCoord.h"

#include <cstdint>
#include <optional>

// The largest of the three channel differences; the top byte holds no colour.
int ColorDifference(std::uint32_t a, std::uint32_t b);

// The runs through pixel (x, y) of `pixels`: Left to Right (exclusive) along its row, as far as
// each pixel differs from its right-hand neighbour by at most `tolerance`, up to the picture's
// edges at the latest; Top to Bottom down its column likewise.
PixelRect RunsThrough(const PixelRows& pixels, std::int64_t x, std::int64_t y, int tolerance);

// The smallest rectangle holding every pixel of `area` that differs from `background` by more
// than `tolerance` (the content); none if no pixel does. The area is cut to the picture. It is
// scanned inward from its edges, so the cost is that of the rows and columns without content.
std::optional<PixelRect> ContentBounds(const PixelRows& pixels, const PixelRect& area,
                                       std::uint32_t background, int tolerance);

// The content's bounds for a box that a drag changes a little at a time: each search starts
// from the last one's box, and scans what the box gained, and what was left of the content's
// bounds when the box cut into them.
struct ContentSearch {
    const std::uint32_t* Bits = nullptr;
    std::int64_t Width = 0, Height = 0;
    std::uint32_t Background = 0;
    int Tolerance = -1;
    PixelRect Area;
    std::optional<PixelRect> Content;
};
std::optional<PixelRect> FindContent(ContentSearch& search, const PixelRows& pixels,
                                     const PixelRect& area, std::uint32_t background,
                                     int tolerance);
