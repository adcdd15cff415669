// Panning by right-drag: the view origin follows the pointer divided by the zoom, carrying
// what the division leaves over into the next step, and the marked box moves with the picture.
#pragma once

#include "geometry/MicroCoord.h"

// Right button down at (x, y): a drag starts afresh.
void StartPan(MicroCoord x, MicroCoord y);

// One pan step to the pointer position (x, y): moves the origin within the snapshot and
// shifts MarkBox and its anchor by what the origin really moved, times the zoom.
void PanTo(MicroCoord x, MicroCoord y);

// Moves MarkBox and its anchor with the picture after the view origin moved from (oldX, oldY).
void CarryBoxWithView(MicroCoord oldX, MicroCoord oldY);
