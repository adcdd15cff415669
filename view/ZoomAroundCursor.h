// The zoom keys' effect on the window: re-centre, move the pointer, repaint.
#pragma once

#include <windows.h>

#include <cstdint>

void ZoomAroundCursor(HWND window, std::int16_t oldFactor);
