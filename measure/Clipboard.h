// Puts a text on the system clipboard as Unicode text, or a picture as a bitmap and a PNG.
#pragma once

#include "core/PixelRows.h"

#include <windows.h>

#include <cstdint>
#include <vector>

// How often a copy tries to open a clipboard that another program holds, 5 ms apart.
constexpr int ClipboardTries = 10;

// Silent when the clipboard stays held by another program for all the tries, or memory runs
// out.
void CopyTextToClipboard(HWND owner, const wchar_t* text);

// The pixels as a 24-bit bitmap (CF_DIB), which every program pastes, and `png` (unless empty)
// as the registered format "PNG", which keeps them exact where it is understood. Silent on
// failure, as a text copy is.
void CopyPictureToClipboard(HWND owner, const PixelRows& pixels,
                            const std::vector<std::uint8_t>& png);
