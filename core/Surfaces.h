// The snapshot and the frame: screen-sized 32-bit DIB sections in memory contexts, whose pixels
// the tool also reads and writes directly.
#pragma once

#include "core/PixelRows.h"

#include <windows.h>

// Makes SnapshotDC and FrameDC with their bitmaps; false, with nothing kept, when either of them
// cannot be made.
bool CreateSurfaces(HDC screen, int width, int height);

// Releases both with their bitmaps; safe to repeat.
void ReleaseSurfaces();
