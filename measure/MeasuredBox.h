// The box that the read-out reports while a box is being marked.
#pragma once

#include "geometry/MicroCoord.h"

// MarkBox as the size read-out names it, in snapshot pixels: from the pixel shown at its
// top-left corner to the one shown at its last covered pixel; right and bottom exclusive.
PixelRect MeasuredBox();
