// The zoom keys' effect on the window: re-centre, move the pointer, repaint. A pointer that
// cannot be read or moved leaves the zoom as it was.
#pragma once

#include <windows.h>

#include <cstdint>

void ZoomAroundCursor(HWND window, std::int16_t oldFactor);
