// A 32-bit pixel buffer as the tool reads and writes it directly, and the two the tool keeps.
// No platform calls.
#pragma once

#include <cstdint>

// Top-down 32-bit pixels, Width to a row.
struct PixelRows {
    std::uint32_t* Bits = nullptr;
    std::int64_t Width = 0;
    std::int64_t Height = 0;
};

// The snapshot's and the back buffer's pixels (core/Surfaces.h makes them); empty until then.
extern PixelRows SnapshotPixels;
extern PixelRows FramePixels;
