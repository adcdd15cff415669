#include "core/PixelRows.h"

PixelRows SnapshotPixels;
PixelRows FramePixels;
