// The marked box: building it from two corners, the strips along its outline, and how it
// follows the pointer.
#pragma once

#include "geometry/MicroCoord.h"

#include <array>

// The box spanning both corner pixels: right and bottom lie one pixel past the larger corner.
MicroBox BoxFromCorners(MicroCoord x1, MicroCoord y1, MicroCoord x2, MicroCoord y2);

// The four strips (left, top, right, bottom edge) that hold the box's outline at the given
// zoom, each three magnified pixels thick and overhanging the box by one.
std::array<PixelRect, 4> OutlineStrips(const MicroBox& box, int zoom);

// Starts a marking at (x, y): the one-pixel box there, anchored there.
void StartMarking(MicroCoord x, MicroCoord y);

// The box rule of a pointer move to CursorX, CursorY: not marking, the box is the pointer's
// pixel; marking in colour mode, it stays; marking in size mode, it stretches from the
// anchor. Returns true when the box was stretched.
bool FollowPointerWithBox();
