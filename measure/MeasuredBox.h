// The box the read-out reports while marking, and the line being drawn, in snapshot pixels. No
// platform calls.
#pragma once

#include "geometry/MicroCoord.h"

// The box in snapshot pixels, right and bottom exclusive: while edges are on and a box being
// marked holds content, the snapped box, the smallest holding every pixel that differs from the
// pixel pressed on by more than the tolerance; else the box as dragged (the pointer's pixel
// when nothing is being marked).
PixelRect MeasuredBox();

// The box as dragged, in snapshot pixels, from its first to its last covered pixel.
PixelRect DraggedBox();

// The line being drawn: from the pixel shown at the anchor to the one under the pointer.
PixelLine DrawnLine();
