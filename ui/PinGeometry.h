// Where a pin stands in a view: whether its outline (on the cells of its pixels, as CellsOf
// gives them) is on the window, and its label.
// No platform calls.
#pragma once

#include "geometry/MicroCoord.h"
#include "view/LineCells.h"

#include <cstdint>

// One pin as a frame shows it.
struct PinLayout {
    std::uint64_t Id;
    PixelRect Box;     // snapshot pixels
    PixelRect Outline; // window pixels, right and bottom exclusive; a line's its end cells' bounds
    PixelRect Label;   // the label's text cells
    bool IsLine = false;
    LineCells Line = {}; // a line's ends, drawn instead of the outline
    friend bool operator==(const PinLayout&, const PinLayout&) = default;
};

// Whether any of the outline lies on the width x height window.
bool OnWindow(const PixelRect& outline, std::int64_t width, std::int64_t height);

// A label of labelWidth x labelHeight just outside the outline's bottom-right corner, moved
// inside the width x height window where it would fall off.
PixelRect PlaceLabel(const PixelRect& outline, std::int64_t labelWidth, std::int64_t labelHeight,
                     std::int64_t width, std::int64_t height);
