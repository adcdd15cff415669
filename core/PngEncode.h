// A picture encoded as PNG by the platform's own codec (Windows Imaging Component).
#pragma once

#include "core/PixelRows.h"

#include <windows.h>

#include <cstdint>
#include <vector>

// Encodes the pixels (the 32-bit rows' fourth byte unused) into `png`; S_OK, or the codec's
// error with `png` empty.
HRESULT EncodePng(const PixelRows& pixels, std::vector<std::uint8_t>& png);
