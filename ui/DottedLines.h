// One-pixel lines written straight into 32-bit pixel rows in a repeating pattern of colours, as
// a dotted pen draws them, and only inside given areas. No platform calls.
#pragma once

#include "core/PixelRows.h"
#include "geometry/MicroCoord.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// A line's colours from its first pixel on: pixel i takes Colours[i % Length].
struct DotPattern {
    static constexpr int MaxLength = 64;
    std::array<std::uint32_t, MaxLength> Colours = {};
    int Length = 0; // none known: nothing is drawn
};

// The pattern of a line that showed `pixels` from its first pixel: their shortest repeat, or
// all of them when they do not repeat within half their count.
DotPattern PatternOf(std::span<const std::uint32_t> pixels);

// Writes each non-empty line of `lines` (one pixel across) along its longer side, down when it
// is a single pixel, from its left or top end, wherever it lies inside one of `areas`.
void DrawDottedLines(const PixelRows& frame, std::span<const PixelRect> lines,
                     const DotPattern& pattern, const std::vector<PixelRect>& areas);
