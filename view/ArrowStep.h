// Arrow keys on the view: the pointer goes to the same place in a neighbouring snapshot pixel,
// and the view scrolls by whole snapshot pixels when that pixel lies outside the window.
#pragma once

#include "geometry/MicroCoord.h"

// A step of (dx, dy) snapshot pixels from window pixel `pointer`: returns the window pixel
// that shows the target pixel at the pointer's place in its cell. The target stops at the
// snapshot's edge. A target outside the window scrolls the view by just enough whole snapshot
// pixels, clamped as ClampViewOrigin does, and the marked box moves with the picture.
PixelPoint ArrowStep(PixelPoint pointer, int dx, int dy);
