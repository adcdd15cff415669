// Where one composed frame can differ from the one before it, so that a repaint composes only
// those pixels: the rest of the back buffer already shows the state.
#pragma once

#include "ui/FrameGeometry.h"

#include <vector>

// What a composition put where.
struct FrameLayout {
    bool Composed = false; // false until the first composition: nothing is known
    StretchPlan View = {};
    bool HasOutline = false;
    PixelRect Outline; // the snapped outline's rectangle, right and bottom exclusive
    PixelRect Readout; // the cells of the read-out text
};

// The rectangles in which `next` can differ from `last` on a width x height window: all of
// it when nothing was composed yet or the view changed; else the lines of both outlines and
// both read-out texts.
std::vector<PixelRect> FrameChanges(const FrameLayout& last, const FrameLayout& next,
                                    std::int64_t width, std::int64_t height);
