// Pictures encoded as PNG and decoded again by the platform's own codec (Windows Imaging
// Component).
#pragma once

#include "core/PixelRows.h"

#include <windows.h>

#include <cstdint>
#include <vector>

// Encodes the pixels (the 32-bit rows' fourth byte unused) into `png`; S_OK, or the codec's
// error with `png` empty.
HRESULT EncodePng(const PixelRows& pixels, std::vector<std::uint8_t>& png);

// Decodes `png` into `dib` as a bottom-up 24-bit bitmap after its BITMAPINFOHEADER, as the
// clipboard's CF_DIB holds one; S_OK, or the codec's error with `dib` empty.
HRESULT DecodePngAsDib(const std::vector<std::uint8_t>& png, std::vector<std::uint8_t>& dib);
